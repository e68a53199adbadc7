#pragma once
// A level source that passes every check, with each field on a known line,
// and the helpers the levelc tests share.
#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <string>
#include <string_view>

#include "game_font.h"
#include "gameplay/level_file.h"
#include "level_checks.h"
#include "lev_reading.h"
#include "source_parser.h"
#include "source_writer.h"

namespace levelc_test {

// Cars 20, pizza 30: 70 points at most.
inline const std::string kGoodSource =
    "level:          4\n"                                   // 1
    "name:           \"Night Shift\"\n"                      // 2
    "description:    \"Cars and pizzas until dawn.\"\n"      // 3
    "speed:          2\n"                                   // 4
    "spacing:        100\n"                                 // 5
    "fired below:    30\n"                                  // 6
    "very good from: 60\n"                                  // 7
    "products:\n"                                           // 8
    "    car x2\n"                                          // 9
    "    pizza\n";                                          // 10

// The source with line `line` (counted from 1) replaced.
inline std::string WithLine(const std::string& source, int line, std::string_view text)
{
    std::istringstream in(source);
    std::string out, current;
    for (int n = 1; std::getline(in, current); ++n) out += (n == line ? std::string(text) : current) + "\n";
    return out;
}

inline const TTitleCardFonts& Fonts()
{
    static const TTitleCardFonts fonts(BRINDLECOG_GAME_DIR);
    return fonts;
}

inline TLevelSource Parse(const std::string& source)
{
    TParseResult parsed = ParseLevelSource(source);
    EXPECT_TRUE(parsed.Errors.empty()) << parsed.Errors.front().Line << ": " << parsed.Errors.front().Message;
    return parsed.Source;
}

inline std::string Bytes(const TLevelData& level)
{
    std::ostringstream out;
    WriteLevelFile(out, level);
    return out.str();
}

inline std::string Compile(const std::string& source) { return Bytes(Parse(source).Level); }

inline TLevReading ReadLev(const std::string& bytes)
{
    return ReadLevBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

inline std::string Dump(const std::string& bytes)
{
    const TLevReading read = ReadLev(bytes);
    return WriteLevelSource(read.Level, "dump");
}

inline TDiagnostics Check(const std::string& source, std::string_view fileName = "level04.txt")
{
    return CheckLevel(Parse(source), fileName, Fonts());
}

}  // namespace levelc_test
