#include "app/command_line.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool ParseNumber(std::string_view text, uint64_t& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Decimal only, as from_chars would read it; strtod because not every
// standard library has from_chars for floating point.
bool ParseMinutes(std::string_view text, double& value)
{
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos ||
        !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.'))
        return false;
    const std::string digits(text);
    char* end = nullptr;
    errno = 0;
    value = std::strtod(digits.c_str(), &end);
    return errno == 0 && end == digits.c_str() + digits.size() && value > 0 && value <= 100000;
}

// "A-B" or "A", each from 1 to 9999.
bool ParseLevels(std::string_view text, int32_t& first, int32_t& last)
{
    const auto dash = text.find('-');
    uint64_t a = 0, b = 0;
    if (dash == std::string_view::npos) {
        if (!ParseNumber(text, a)) return false;
        b = a;
    } else if (!ParseNumber(text.substr(0, dash), a) || !ParseNumber(text.substr(dash + 1), b)) {
        return false;
    }
    if (a < 1 || b < a || b > 9999) return false;
    first = static_cast<int32_t>(a);
    last = static_cast<int32_t>(b);
    return true;
}

}  // namespace

const char* CommandLineUsage()
{
    return "usage: brindlecog                       play the game\n"
           "       brindlecog --autoplay [--profile strong|medium|weak] [--seed N] [--levels A-B]\n"
           "                  [--record FILE]  with one level: record the game played to FILE\n"
           "       brindlecog --record FILE         play, and record the game to FILE\n"
           "       brindlecog --replay FILE         run a recorded game again, headless\n"
           "       brindlecog --soak MINUTES [--seed N]\n"
           "       brindlecog --version             print the version and end\n"
           "       brindlecog --help                print this text and end\n";
}

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv)
{
    std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    ParsedCommandLine result;
    auto fail = [&result](std::string message) {
        result.error = std::move(message);
        return result;
    };
    if (args.empty()) return result;

    // A value that must follow its option.
    std::size_t i = 0;
    auto value = [&](std::string_view& out) {
        if (i + 1 >= args.size()) return false;
        out = args[++i];
        return true;
    };

    const std::string_view mode = args[0];
    std::string_view v;
    if (mode == "--autoplay") {
        AutoplayOptions options;
        for (i = 1; i < args.size(); ++i) {
            if (args[i] == "--profile" && value(v)) {
                if (v != "strong" && v != "medium" && v != "weak") return fail("unknown profile: " + std::string(v));
                options.profile = v;
            } else if (args[i] == "--seed" && value(v)) {
                if (!ParseNumber(v, options.seed)) return fail("--seed wants a whole number: " + std::string(v));
            } else if (args[i] == "--levels" && value(v)) {
                if (!ParseLevels(v, options.firstLevel, options.lastLevel))
                    return fail("--levels wants A-B with 1 <= A <= B: " + std::string(v));
            } else if (args[i] == "--record" && value(v)) {
                if (v.empty()) return fail("--record wants a file name");
                options.recordFile = v;
            } else {
                return fail("unexpected argument: " + std::string(args[i]));
            }
        }
        if (!options.recordFile.empty() && options.firstLevel != options.lastLevel)
            return fail("--record with --autoplay records one level: add --levels N");
        result.options = options;
    } else if (mode == "--record" || mode == "--replay") {
        i = 0;
        if (!value(v) || v.empty()) return fail(std::string(mode) + " wants a file name");
        if (args.size() > 2) return fail("unexpected argument: " + std::string(args[2]));
        if (mode == "--record") result.options = RecordOptions{std::string(v)};
        else result.options = ReplayOptions{std::string(v)};
    } else if (mode == "--soak") {
        SoakOptions options;
        i = 0;
        if (!value(v) || !ParseMinutes(v, options.minutes)) return fail("--soak wants a number of minutes");
        for (i = 2; i < args.size(); ++i) {
            if (args[i] == "--seed" && value(v)) {
                if (!ParseNumber(v, options.seed)) return fail("--seed wants a whole number: " + std::string(v));
            } else {
                return fail("unexpected argument: " + std::string(args[i]));
            }
        }
        result.options = options;
    } else if (mode == "--version" || mode == "--help") {
        if (args.size() > 1) return fail("unexpected argument: " + std::string(args[1]));
        if (mode == "--version") result.options = VersionOptions{};
        else result.options = HelpOptions{};
    } else {
        return fail("unknown option: " + std::string(mode));
    }
    return result;
}
