#include "platform/win32/bitmap/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

namespace platform::bmp {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kMaxInfoHeaderSize = 124;
constexpr std::size_t kChunk = 64 * 1024;
constexpr std::uint64_t kMaxRlePixelsPerByte = 255 * 255 / 4 + 1;

[[noreturn]] void fail(const std::string& reason)
{
    throw EInvalidGraphic("Bitmap image is not valid: " + reason + ".");
}

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Reads the stream in chunks, so a header that promises more than the
// stream holds costs only what the stream really has.
class Source {
public:
    explicit Source(std::istream& stream) : stream_(stream) {}

    std::uint64_t position() const { return position_; }

    // Up to `count` bytes; fewer only at the end of the stream.
    std::vector<std::uint8_t> read(std::uint64_t count)
    {
        std::vector<std::uint8_t> out;
        while (out.size() < count && stream_) {
            const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(count - out.size(), kChunk));
            const std::size_t had = out.size();
            out.resize(had + want);
            stream_.read(reinterpret_cast<char*>(out.data() + had), static_cast<std::streamsize>(want));
            out.resize(had + static_cast<std::size_t>(stream_.gcount()));
            if (stream_.gcount() == 0) break;
        }
        position_ += out.size();
        return out;
    }

    void readExact(std::uint8_t* into, std::size_t count, const char* what)
    {
        stream_.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count));
        const auto got = static_cast<std::size_t>(stream_.gcount());
        position_ += got;
        if (got != count) fail(std::string("the file ends inside the ") + what);
    }

    void skipTo(std::uint64_t target, const char* what)
    {
        std::array<char, 4096> scratch{};
        while (position_ < target) {
            const auto want = static_cast<std::streamsize>(std::min<std::uint64_t>(target - position_, scratch.size()));
            stream_.read(scratch.data(), want);
            const auto got = stream_.gcount();
            position_ += static_cast<std::uint64_t>(got);
            if (got != want) fail(std::string("the file ends before the ") + what);
        }
    }

private:
    std::istream& stream_;
    std::uint64_t position_ = 0;
};

struct Header {
    std::uint32_t offBits = 0;
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: top row first
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t clrUsed = 0;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
    bool core = false;
};

// One colour channel of a packed pixel, widened to 8 bits by repeating its
// bits (as GDI does: 5-bit 31 becomes 255, 5-bit 3 becomes 24).
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m)
    {
        if (m == 0) return;
        shift = std::countr_zero(m);
        bits = std::bit_width(m >> shift);
    }
    std::uint32_t operator()(std::uint32_t pixel) const
    {
        if (bits == 0) return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
        std::uint32_t out = 0;
        for (int at = 8 - bits; at > -bits; at -= bits) out |= at >= 0 ? v << at : v >> -at;
        return out & 0xFF;
    }
};

Header readHeader(Source& in)
{
    std::array<std::uint8_t, kFileHeaderSize + 4> head{};
    in.readExact(head.data(), head.size(), "file header");
    if (head[0] != 'B' || head[1] != 'M') fail("no \"BM\" signature");
    Header h;
    h.offBits = u32(&head[10]);
    h.headerSize = u32(&head[14]);
    if (h.headerSize != kCoreHeaderSize && (h.headerSize < 16 || h.headerSize > kMaxInfoHeaderSize))
        fail("unknown header size " + std::to_string(h.headerSize));

    std::array<std::uint8_t, kMaxInfoHeaderSize> info{};
    in.readExact(info.data(), h.headerSize - 4, "bitmap header");
    const std::uint8_t* p = info.data() - 4;  // offsets below count from the header's start
    if (h.headerSize == kCoreHeaderSize) {
        h.core = true;
        h.width = u16(p + 4);
        h.height = u16(p + 6);
        h.bitCount = u16(p + 10);
        return h;
    }
    h.width = static_cast<std::int32_t>(u32(p + 4));
    h.height = static_cast<std::int32_t>(u32(p + 8));
    h.bitCount = u16(p + 14);
    if (h.headerSize >= 20) h.compression = u32(p + 16);
    if (h.headerSize >= 36) h.clrUsed = u32(p + 32);
    const bool bitfields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
    if (bitfields) {
        if (h.headerSize >= 52) {
            h.masks = {u32(p + 40), u32(p + 44), u32(p + 48)};
        } else {
            // An info header of 40 bytes keeps its masks right behind it.
            std::array<std::uint8_t, 16> m{};
            const std::size_t count = h.compression == kBiAlphaBitfields ? 16 : 12;
            in.readExact(m.data(), count, "colour masks");
            h.masks = {u32(&m[0]), u32(&m[4]), u32(&m[8])};
        }
    } else if (h.bitCount == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (h.bitCount == 32) {
        h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    return h;
}

void checkFormat(const Header& h)
{
    const auto bits = h.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        fail(std::to_string(bits) + " bits per pixel are not supported");
    switch (h.compression) {
    case kBiRgb: break;
    case kBiRle8:
        if (bits != 8) fail("RLE8 needs 8 bits per pixel");
        break;
    case kBiRle4:
        if (bits != 4) fail("RLE4 needs 4 bits per pixel");
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (bits != 16 && bits != 32) fail("bit fields need 16 or 32 bits per pixel");
        break;
    default: fail("compression " + std::to_string(h.compression) + " is not supported");
    }
    if (h.width <= 0 || h.height == 0) fail("the picture has no pixels");
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    if (h.width > TBitmap::kMaxDimension || rows > TBitmap::kMaxDimension || h.width * rows > TBitmap::kMaxPixels)
        fail("the picture is too large (" + std::to_string(h.width) + " x " + std::to_string(rows) + ")");
    if (h.height < 0 && (h.compression == kBiRle8 || h.compression == kBiRle4))
        fail("a run-length coded picture cannot be top-down");
}

TPixelFormat formatOf(const Header& h)
{
    switch (h.bitCount) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16:
        if (h.masks == std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}) return TPixelFormat::pf15bit;
        if (h.masks == std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F}) return TPixelFormat::pf16bit;
        return TPixelFormat::pfCustom;
    case 24: return TPixelFormat::pf24bit;
    default:
        return h.masks == std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF} ? TPixelFormat::pf32bit
                                                                                     : TPixelFormat::pfCustom;
    }
}

// Reads the colour table, trusting the pixel offset over a colour count that
// would run into the pixels. Returns 00RRGGBB entries; missing ones are black.
std::vector<std::uint32_t> readPalette(Source& in, const Header& h)
{
    const std::uint32_t entrySize = h.core ? 3 : 4;
    std::uint64_t count = h.bitCount <= 8 ? (1u << h.bitCount) : 0;
    if (!h.core && h.clrUsed != 0 && h.bitCount <= 8) {
        if (h.clrUsed > count) fail("the colour table has " + std::to_string(h.clrUsed) + " entries");
        count = h.clrUsed;
    }
    const std::uint64_t tableStart = in.position();
    if (h.offBits >= tableStart && h.offBits < tableStart + count * entrySize)
        count = (h.offBits - tableStart) / entrySize;

    std::vector<std::uint32_t> palette(h.bitCount <= 8 ? (1u << h.bitCount) : 0, 0);
    if (count == 0) return palette;
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(count * entrySize));
    in.readExact(raw.data(), raw.size(), "colour table");
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = &raw[i * entrySize];
        palette[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (static_cast<std::uint32_t>(e[1]) << 8) | e[0];
    }
    return palette;
}

// Row `y` of the decoded picture.
std::uint8_t* outRow(Decoded& out, int y) { return out.pixels.data() + static_cast<std::size_t>(y) * out.width * 3; }

void put(std::uint8_t* at, std::uint32_t rgb)
{
    at[0] = static_cast<std::uint8_t>(rgb);
    at[1] = static_cast<std::uint8_t>(rgb >> 8);
    at[2] = static_cast<std::uint8_t>(rgb >> 16);
}

void expandIndexed(const Header& h, const std::vector<std::uint8_t>& data, std::uint64_t stride,
                   const std::vector<std::uint32_t>& palette, Decoded& out, bool topDown)
{
    const int bits = static_cast<int>(h.bitCount);
    const std::uint8_t mask = static_cast<std::uint8_t>((1u << bits) - 1);
    for (int row = 0; row < out.height; ++row) {
        const std::uint8_t* src = data.data() + static_cast<std::size_t>(row) * stride;
        std::uint8_t* dst = outRow(out, topDown ? row : out.height - 1 - row);
        for (int x = 0; x < out.width; ++x, dst += 3) {
            const int bit = x * bits;
            const int shift = 8 - bits - (bit & 7);
            put(dst, palette[(src[bit >> 3] >> shift) & mask]);
        }
    }
}

void expandPacked(const Header& h, const std::vector<std::uint8_t>& data, std::uint64_t stride, Decoded& out,
                  bool topDown)
{
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const int bytes = static_cast<int>(h.bitCount / 8);
    for (int row = 0; row < out.height; ++row) {
        const std::uint8_t* src = data.data() + static_cast<std::size_t>(row) * stride;
        std::uint8_t* dst = outRow(out, topDown ? row : out.height - 1 - row);
        if (bytes == 3) {
            // The file's own byte order is the bitmap's.
            std::memcpy(dst, src, static_cast<std::size_t>(out.width) * 3);
            continue;
        }
        for (int x = 0; x < out.width; ++x, src += bytes, dst += 3) {
            const std::uint32_t v = bytes == 2 ? u16(src) : u32(src);
            put(dst, (red(v) << 16) | (green(v) << 8) | blue(v));
        }
    }
}

}  // namespace

void decodeRle(const std::vector<std::uint8_t>& data, int bitsPerPixel, int width, int height,
               std::vector<std::uint8_t>& indices)
{
    std::size_t i = 0;
    int x = 0, y = 0;
    auto put = [&](std::uint8_t index) {
        if (x < width && y < height) indices[static_cast<std::size_t>(y) * width + x] = index;
        ++x;
    };
    while (i + 1 < data.size() && y < height) {
        const std::uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int n = 0; n < count && x < width; ++n)
                put(bitsPerPixel == 8 ? value : static_cast<std::uint8_t>((n & 1) ? value & 0x0F : value >> 4));
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            break;
        } else if (value == 2) {  // move right and up
            if (i + 1 >= data.size()) break;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {  // `value` literal pixels, padded to a whole 16-bit word
            const std::size_t bytes = bitsPerPixel == 8 ? value : (value + 1u) / 2;
            for (int n = 0; n < value; ++n) {
                const std::size_t at = i + (bitsPerPixel == 8 ? n : n / 2);
                if (at >= data.size()) return;
                const std::uint8_t b = data[at];
                put(bitsPerPixel == 8 ? b : static_cast<std::uint8_t>((n & 1) ? b & 0x0F : b >> 4));
            }
            i += (bytes + 1) & ~std::size_t{1};
        }
    }
}

Decoded read(std::istream& stream)
{
    Source in(stream);
    const Header h = readHeader(in);
    checkFormat(h);
    const std::vector<std::uint32_t> palette = readPalette(in, h);
    if (h.offBits > in.position()) in.skipTo(h.offBits, "pixel data");

    Decoded out;
    out.width = static_cast<int>(h.width);
    out.height = static_cast<int>(h.height < 0 ? -h.height : h.height);
    out.format = formatOf(h);
    const bool topDown = h.height < 0;
    const auto pixelCount = static_cast<std::uint64_t>(out.width) * static_cast<std::uint64_t>(out.height);

    if (h.compression == kBiRle8 || h.compression == kBiRle4) {
        // Worst case coding is two bytes per pixel plus an end-of-line per row.
        const std::vector<std::uint8_t> data = in.read(pixelCount * 2 + static_cast<std::uint64_t>(out.height) * 4 + 16);
        if (data.size() < 2) fail("the file ends before the pixel data");
        // No coding covers more than a 255 x 255 jump per 4 bytes; a header
        // claiming more than that is not allowed to cost the memory.
        if (pixelCount > data.size() * kMaxRlePixelsPerByte) fail("the run-length data is too short for the picture");
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(pixelCount), 0);
        decodeRle(data, static_cast<int>(h.bitCount), out.width, out.height, indices);
        out.pixels.resize(static_cast<std::size_t>(pixelCount) * 3);
        for (int row = 0; row < out.height; ++row) {
            const std::uint8_t* src = indices.data() + static_cast<std::size_t>(row) * out.width;
            std::uint8_t* dst = outRow(out, out.height - 1 - row);
            for (int x = 0; x < out.width; ++x, dst += 3) put(dst, palette[src[x]]);
        }
        return out;
    }

    const std::uint64_t rowBits = static_cast<std::uint64_t>(out.width) * h.bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row's padding may be missing; its pixels may not.
    const std::uint64_t needed = stride * (out.height - 1) + (rowBits + 7) / 8;
    std::vector<std::uint8_t> data = in.read(needed);
    if (data.size() < needed) fail("the file ends inside the pixel data");
    data.resize(static_cast<std::size_t>(stride * out.height), 0);
    out.pixels.resize(static_cast<std::size_t>(pixelCount) * 3);
    if (h.bitCount <= 8)
        expandIndexed(h, data, stride, palette, out, topDown);
    else
        expandPacked(h, data, stride, out, topDown);
    return out;
}

}  // namespace platform::bmp
