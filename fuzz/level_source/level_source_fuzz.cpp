// Any input as a level source and as a level file. A source that parses
// compiles to bytes whose dump compiles to the same bytes; any level file
// dumps to a text that parses and compiles to a file the game reads as the
// same level.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "gameplay/level_file.h"
#include "lev_reading.h"
#include "source_parser.h"
#include "source_writer.h"

namespace {

std::string Write(const TLevelData& level)
{
    std::ostringstream out;
    WriteLevelFile(out, level);
    return out.str();
}

TLevelData GameRead(const std::string& bytes)
{
    std::istringstream in(bytes);
    return ReadLevelFile(in);
}

TLevReading Dumpable(const std::string& bytes)
{
    return ReadLevBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// The dump of the file parses, and compiles to bytes the game reads as it
// reads the file.
std::string DumpAndCompile(const std::string& bytes)
{
    const TLevReading read = Dumpable(bytes);
    const TParseResult parsed = ParseLevelSource(WriteLevelSource(read.Level, "fuzz", read.Ignored));
    if (!parsed.Errors.empty()) std::abort();
    const std::string compiled = Write(parsed.Source.Level);
    // Compared as text: the dump shows every value the game reads and
    // nothing of the bytes it does not.
    if (WriteLevelSource(GameRead(compiled), "") != WriteLevelSource(read.Level, "")) std::abort();
    return compiled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    const TParseResult parsed = ParseLevelSource(input);
    if (parsed.Errors.empty()) {
        const std::string bytes = Write(parsed.Source.Level);
        if (DumpAndCompile(bytes) != bytes) std::abort();
    }

    // As a level file: a dump never loses what the game reads, and a file
    // with nothing the game ignores or reads otherwise comes back byte for byte.
    const TLevReading read = Dumpable(input);
    const std::string compiled = DumpAndCompile(input);
    if (read.Departures.empty() && read.Ignored.empty() && compiled != input) std::abort();
    return 0;
}
