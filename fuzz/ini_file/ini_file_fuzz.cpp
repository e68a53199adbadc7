// Any bytes as a settings file: reading never fails, and after writing a key
// the file reads that key back and has lost none of its other lines.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <algorithm>
#include <vector>

#include "platform/files/ini_file.h"

namespace {

std::string path()
{
    static const std::string p = "/tmp/fuzz-ini-" + std::to_string(::getpid()) + ".ini";
    return p;
}

std::string slurp(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t nl = text.find('\n', from);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(from, nl - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(std::move(line));
        from = nl + 1;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string original(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(path(), std::ios::binary | std::ios::trunc);
        out << original;
    }
    platform::IniFile ini(path());
    (void)ini.readBool("General", "SoundOn", true);
    (void)ini.readInteger("General", "DrawFPS", 0);
    const bool value = size % 2 == 0;
    ini.writeBool("General", "SoundOn", value);
    const platform::IniFile again(path());
    if (again.readBool("General", "SoundOn", !value) != value) std::abort();
    // The file is the original with the key's line changed in place, or
    // with the key (and perhaps its section) added; nothing else differs.
    const auto before = lines(original), now = lines(slurp(path()));
    bool same = false;
    if (now.size() == before.size()) {
        std::size_t differing = 0;
        for (std::size_t i = 0; i < now.size(); ++i) differing += now[i] != before[i];
        same = differing <= 1;
    } else if (now.size() == before.size() + 1) {
        for (std::size_t skip = 0; skip < now.size() && !same; ++skip) {
            auto trimmed = now;
            trimmed.erase(trimmed.begin() + static_cast<std::ptrdiff_t>(skip));
            same = trimmed == before;
        }
    } else if (now.size() == before.size() + 2) {
        same = std::equal(before.begin(), before.end(), now.begin());
    }
    if (!same) std::abort();
    return 0;
}
