#include "engine/sound/wav.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/errors.h"

namespace {

const char* const kInvalidFormat = "Error at reading Wave.\rInvalid Wave-format.";
const char* const kInvalidHeader = "Error at reading Wave.\rInvalid Wave-format(header).";
const char* const kNotPcm = "Error at reading Wave.\rWave format is not PCM.";
const char* const kWriteError = "Error at writing Wave-file.";

// The rates a sound card can be asked to play.
constexpr uint32_t kMinRate = 100;
constexpr uint32_t kMaxRate = 200000;

uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t{p[3]} << 24); }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void put32(std::ostream& s, uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    s.write(b, 4);
}

// Reads up to `size` bytes; returns how many came.
std::streamsize readSome(std::istream& s, void* into, std::streamsize size)
{
    s.read(static_cast<char*>(into), size);
    const std::streamsize got = s.gcount();
    s.clear();
    return got;
}

void readExactly(std::istream& s, void* into, std::streamsize size)
{
    if (readSome(s, into, size) != size) throw platform::Exception(kInvalidFormat);
}

// A PCM record that cannot describe playable samples is as bad as a broken
// header: refuse it here rather than hand the sound card nonsense.
void checkPcmRecord(const platform::dsound::WaveFormat& f)
{
    const bool layout = f.channels >= 1 && f.bitsPerSample >= 8 && f.bitsPerSample % 8 == 0 &&
                        f.blockAlign == f.channels * (f.bitsPerSample / 8);
    const bool rate = f.samplesPerSec >= kMinRate && f.samplesPerSec <= kMaxRate;
    if (!layout || !rate) throw platform::Exception(kInvalidHeader);
}

}  // namespace

void TWav::Clear()
{
    FData.reset();
    FFormat.reset();
    FDataSize = 0;
    FFormatSize = 0;
    FRiffSize = 0;
}

bool TWav::Empty() const { return FFormatSize <= 0 || FDataSize <= 0 || FRiffSize <= 0; }

void TWav::Assign(const TWav* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (source == this) return;
    FRiffSize = source->FRiffSize;
    FFormatSize = source->FFormatSize;
    FDataSize = source->FDataSize;
    FFormat = source->FFormat ? std::make_unique<FormatBlock>(*source->FFormat) : nullptr;
    FData = source->FData;
}

platform::dsound::WaveFormat TWav::Format() const
{
    platform::dsound::WaveFormat f;
    if (!FFormat) return f;
    const uint8_t* p = FFormat->data();
    f.formatTag = le16(p);
    f.channels = le16(p + 2);
    f.samplesPerSec = le32(p + 4);
    f.avgBytesPerSec = le32(p + 8);
    f.blockAlign = le16(p + 12);
    f.bitsPerSample = le16(p + 14);
    f.extraSize = le16(p + 16);
    return f;
}

void TWav::CopyTo(void* destination, std::size_t capacity) const
{
    if (!FData || FData->empty() || !destination) return;
    std::memcpy(destination, FData->data(), std::min(capacity, FData->size()));
}

void TWav::LoadFromStream(std::istream& stream)
{
    try {
        Scan(stream);
    } catch (...) {
        Clear();
        throw;
    }
}

void TWav::Scan(std::istream& stream)
{
    Clear();
    // The stream's size bounds every allocation: a header may claim anything.
    const std::streamoff start = stream.tellg();
    stream.seekg(0, std::ios::end);
    const std::streamoff end = stream.tellg();
    stream.seekg(start);
    if (start < 0 || end < start || !stream) throw platform::Exception(kInvalidFormat);

    uint8_t riff[12];
    readExactly(stream, riff, sizeof riff);
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        throw platform::Exception(kInvalidFormat);
    FRiffSize = static_cast<int32_t>(le32(riff + 4));

    // After "data" the scan goes on from the start of the whole stream. For a
    // plain file that reads the RIFF header as a chunk whose size jumps to the
    // end; for a prefixed file the prefix is built to do the same. Lying sizes
    // could lead back over chunks already read, or to another "data" chunk
    // and another move back, for ever: either ends the scan.
    const std::streamoff firstChunk = start + 12;
    std::streamoff lastDataChunk = -1;

    auto position = [&] {
        const std::streamoff p = stream.tellg();
        return p < 0 ? end : p;
    };

    for (;;) {
        const std::streamoff at = position();
        if (lastDataChunk >= 0 && at >= firstChunk && at <= lastDataChunk) break;
        uint8_t header[8] = {};
        readSome(stream, header, sizeof header);
        if (le32(header) == 0) break;
        // Sizes are unsigned: a "negative" one would walk backwards.
        const uint32_t size = le32(header + 4);
        const std::streamoff body = position();

        if (std::memcmp(header, "fmt ", 4) == 0) {
            FFormat = std::make_unique<FormatBlock>();
            FFormat->fill(0);
            FFormatSize = static_cast<int>(std::min<uint32_t>(size, 0x7fffffff));
            if (size > kFormatBlockSize) throw platform::Exception(kInvalidHeader);
            // Shorter than the 16-byte PCM record leaves fields unknown.
            if (size < 16) throw platform::Exception(kInvalidHeader);
            readExactly(stream, FFormat->data(), size);
            const platform::dsound::WaveFormat format = Format();
            if (format.formatTag != platform::dsound::WAVE_FORMAT_PCM) throw platform::Exception(kNotPcm);
            checkPcmRecord(format);
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (lastDataChunk >= 0) break;
            if (size > static_cast<uint64_t>(end - body) || size > 0x7fffffff)
                throw platform::Exception(kInvalidFormat);
            auto samples = std::make_shared<std::vector<uint8_t>>(size);
            FDataSize = static_cast<int>(size);
            readExactly(stream, samples->data(), size);
            FData = std::move(samples);
            lastDataChunk = at;
            stream.seekg(0);
        } else {
            // Seeking past the end is allowed by files but not by every
            // stream; the end reads nothing either way.
            stream.seekg(std::min<std::streamoff>(body + size, end));
        }
        if (!stream) throw platform::Exception(kInvalidFormat);
    }
}

void TWav::SaveToStream(std::ostream& stream) const
{
    if (Empty()) return;
    stream.write("RIFF", 4);
    put32(stream, static_cast<uint32_t>(FRiffSize));
    stream.write("WAVE", 4);
    stream.write("fmt ", 4);
    put32(stream, static_cast<uint32_t>(FFormatSize));
    stream.write(reinterpret_cast<const char*>(FFormat->data()), FFormatSize);
    stream.write("data", 4);
    put32(stream, static_cast<uint32_t>(FDataSize));
    stream.write(reinterpret_cast<const char*>(Data()), FDataSize);
    if (!stream) throw platform::Exception(kWriteError);
}
