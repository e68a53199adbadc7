#include "source_text.h"

#include <cstdint>

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string CodePointName(uint32_t cp)
{
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (int shift = cp > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) hex += digits[(cp >> shift) & 0xF];
    return "U+" + hex;
}

// One UTF-8 character from line[pos], which holds a byte of 0x80 or more.
uint32_t ReadUtf8(std::string_view line, std::size_t& pos)
{
    const auto lead = static_cast<uint8_t>(line[pos]);
    int extra = 0;
    uint32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
    else throw ESourceError("the text is not valid UTF-8");
    for (int i = 1; i <= extra; ++i) {
        if (pos + i >= line.size() || (static_cast<uint8_t>(line[pos + i]) & 0xC0) != 0x80)
            throw ESourceError("the text is not valid UTF-8");
        cp = (cp << 6) | (static_cast<uint8_t>(line[pos + i]) & 0x3F);
    }
    // Overlong forms would let one character hide behind another.
    const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (cp < least[extra] || cp > 0x10FFFF) throw ESourceError("the text is not valid UTF-8");
    pos += static_cast<std::size_t>(extra) + 1;
    return cp;
}

}  // namespace

std::string ReadQuoted(std::string_view line, std::size_t& pos)
{
    std::string bytes;
    ++pos;  // the opening quote
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return bytes;
        }
        if (c == '\\') {
            const char next = pos + 1 < line.size() ? line[pos + 1] : '\0';
            if (next == '"' || next == '\\') {
                bytes += next;
                pos += 2;
            } else if (next == 'x' && pos + 3 < line.size() && HexValue(line[pos + 2]) >= 0 &&
                       HexValue(line[pos + 3]) >= 0) {
                bytes += static_cast<char>(HexValue(line[pos + 2]) * 16 + HexValue(line[pos + 3]));
                pos += 4;
            } else {
                throw ESourceError(R"(unknown escape in quoted text (write \", \\ or \xHH))");
            }
            continue;
        }
        if (static_cast<uint8_t>(c) < 0x80) {
            bytes += c;
            ++pos;
            continue;
        }
        const uint32_t cp = ReadUtf8(line, pos);
        if (cp > 0xFF)
            throw ESourceError("the character " + CodePointName(cp) +
                               " cannot be stored: level files hold Latin-1 characters (up to U+00FF)");
        bytes += static_cast<char>(cp);
    }
    throw ESourceError("the quoted text has no closing quote");
}

std::string Quote(std::string_view latin1)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : latin1) {
        const auto b = static_cast<uint8_t>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            out += "\\x";
            out += digits[b >> 4];
            out += digits[b & 0xF];
        }
    }
    return out + '"';
}

bool IsBareWord(std::string_view text)
{
    if (text.empty()) return false;
    // "x3" would read as a repeat count.
    if (text.size() > 1 && text[0] == 'x' && text.find_first_not_of("0123456789", 1) == std::string_view::npos)
        return false;
    for (const char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
    return true;
}
