#pragma once
// Builds RIFF/WAVE files byte by byte, including broken ones.
#include <cstdint>
#include <string>
#include <vector>

namespace wavbytes {

inline std::string u16(uint16_t v) { return {char(v), char(v >> 8)}; }
inline std::string u32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }

inline std::string chunk(const std::string& id, const std::string& body) { return id + u32(uint32_t(body.size())) + body; }

inline std::string fmtBody(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1)
{
    const uint16_t align = uint16_t(channels * bits / 8);
    return u16(tag) + u16(channels) + u32(rate) + u32(rate * align) + u16(align) + u16(bits);
}

inline std::string riff(const std::string& chunks) { return "RIFF" + u32(uint32_t(4 + chunks.size())) + "WAVE" + chunks; }

inline std::string samples16(const std::vector<int16_t>& s)
{
    std::string out;
    for (int16_t v : s) out += u16(uint16_t(v));
    return out;
}

// A complete 16-bit file.
inline std::string wav16(const std::vector<int16_t>& s, uint16_t channels = 1, uint32_t rate = 44100)
{
    return riff(chunk("fmt ", fmtBody(channels, rate, 16)) + chunk("data", samples16(s)));
}

}  // namespace wavbytes
