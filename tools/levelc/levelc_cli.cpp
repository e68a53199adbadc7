#include "levelc_cli.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "level_checks.h"
#include "lev_reading.h"
#include "platform/files/atomic_file.h"
#include "source_parser.h"
#include "source_writer.h"

namespace {

constexpr std::string_view kUsage =
    "usage: levelc SOURCE -o FILE.lev\n"
    "       levelc --dump FILE.lev\n"
    "       levelc --check [--game DIR] FILE...\n";

struct EUnreadable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string ReadWholeFile(const std::string& path)
{
    if (std::filesystem::is_directory(path)) throw EUnreadable(path + ": error: is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EUnreadable(path + ": error: cannot open the file");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw EUnreadable(path + ": error: cannot read the file");
    return std::move(bytes).str();
}

bool IsLevelFile(const std::string& path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".lev";
}

TLevReading ReadLev(const std::string& path)
{
    const std::string bytes = ReadWholeFile(path);
    return ReadLevBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

int Compile(const std::string& source, const std::string& output, std::ostream& err)
{
    const TParseResult parsed = ParseLevelSource(ReadWholeFile(source));
    if (!parsed.Errors.empty()) {
        PrintDiagnostics(err, source, parsed.Errors);
        return 1;
    }
    std::ostringstream bytes;
    WriteLevelFile(bytes, parsed.Source.Level);
    try {
        platform::writeFileAtomically(output, bytes.str());
    } catch (const std::exception& e) {
        err << output << ": error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

int Dump(const std::string& path, std::ostream& out)
{
    const TLevReading read = ReadLev(path);
    std::vector<std::string> notes;
    for (const std::string& d : read.Departures) notes.push_back("Read as the game reads it: " + d + ".");
    for (const std::string& i : read.Ignored) notes.push_back("Not kept: " + i + ".");
    out << WriteLevelSource(read.Level, "Dumped by levelc from " + path, notes);
    return 0;
}

// The refusals for one file; the fonts are loaded on first need.
TDiagnostics CheckFile(const std::string& path, const std::filesystem::path& gameDir,
                       std::unique_ptr<TTitleCardFonts>& fonts)
{
    TLevelSource level;
    TDiagnostics found;
    if (IsLevelFile(path)) {
        TLevReading read = ReadLev(path);
        for (std::string& d : read.Departures) found.push_back({0, std::move(d)});
        level.Level = std::move(read.Level);
    } else {
        TParseResult parsed = ParseLevelSource(ReadWholeFile(path));
        if (!parsed.Errors.empty()) return parsed.Errors;
        level = std::move(parsed.Source);
    }
    if (!fonts) fonts = std::make_unique<TTitleCardFonts>(gameDir);
    const TDiagnostics rules = CheckLevel(level, path, *fonts);
    found.insert(found.end(), rules.begin(), rules.end());
    return found;
}

int Check(const std::vector<std::string>& files, const std::filesystem::path& gameDir, std::ostream& out,
          std::ostream& err)
{
    std::unique_ptr<TTitleCardFonts> fonts;
    std::size_t refused = 0;
    for (const std::string& path : files) {
        TDiagnostics found;
        try {
            found = CheckFile(path, gameDir, fonts);
        } catch (const EUnreadable& e) {
            err << e.what() << '\n';
            ++refused;
            continue;
        } catch (const std::exception& e) {
            // Without the fonts no file can be judged.
            err << "levelc: error: " << e.what() << '\n';
            return 1;
        }
        PrintDiagnostics(err, path, found);
        refused += found.empty() ? 0 : 1;
    }
    if (refused > 0) {
        err << "levelc: " << refused << " of " << files.size() << " files refused\n";
        return 1;
    }
    out << "levelc: " << files.size() << (files.size() == 1 ? " file passes\n" : " files pass\n");
    return 0;
}

int Usage(std::ostream& err, std::string_view problem)
{
    err << "levelc: " << problem << '\n' << kUsage;
    return 2;
}

}  // namespace

int RunLevelc(std::span<const std::string> args, std::ostream& out, std::ostream& err,
              const std::filesystem::path& gameDir)
{
    enum class TMode { Compile, Dump, Check } mode = TMode::Compile;
    std::vector<std::string> files;
    std::optional<std::string> output;
    std::filesystem::path fonts = gameDir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        } else if (a == "--dump") {
            mode = TMode::Dump;
        } else if (a == "--check") {
            mode = TMode::Check;
        } else if (a == "-o" && hasValue) {
            output = args[++i];
        } else if (a == "--game" && hasValue) {
            fonts = args[++i];
        } else if (a.starts_with("-")) {
            return Usage(err, "unknown or incomplete option " + a);
        } else {
            files.push_back(a);
        }
    }
    try {
        switch (mode) {
        case TMode::Compile:
            if (files.size() != 1 || !output) return Usage(err, "compiling takes one source and -o FILE.lev");
            return Compile(files[0], *output, err);
        case TMode::Dump:
            if (files.size() != 1 || output) return Usage(err, "--dump takes one level file");
            return Dump(files[0], out);
        case TMode::Check:
            if (files.empty() || output) return Usage(err, "--check takes the files to check");
            return Check(files, fonts, out, err);
        }
    } catch (const EUnreadable& e) {
        err << e.what() << '\n';
    }
    return 1;
}
