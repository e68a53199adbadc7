#pragma once
// TWav: one PCM sound in memory as the sound card wants it, the wave format
// record and the raw samples, read from and written to RIFF/WAVE files. The
// samples never change once read, so copies of a TWav and the sound buffers
// made from it share them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/win32/dsound/dsound_types.h"

class TWav {
public:
    static constexpr int kFormatBlockSize = 18;

    TWav() = default;
    TWav(const TWav& other) { Assign(&other); }
    TWav& operator=(const TWav& other)
    {
        Assign(&other);
        return *this;
    }
    ~TWav() { Clear(); }

    void Clear();
    // Empty until a load found a format, samples and a RIFF size.
    bool Empty() const;
    // Null source clears; assigning itself changes nothing.
    void Assign(const TWav* source);

    // Reads a RIFF/WAVE file from the stream's current position. On failure
    // the TWav is left empty and a platform::Exception carries the reason.
    void LoadFromStream(std::istream& stream);
    // Writes nothing when empty; a failing stream raises platform::Exception.
    void SaveToStream(std::ostream& stream) const;

    // Copies the samples into a locked sound buffer of `capacity` bytes.
    void CopyTo(void* destination, std::size_t capacity) const;

    int DataSize() const { return FDataSize; }
    int FormatSize() const { return FFormatSize; }
    int RiffSize() const { return FRiffSize; }
    const uint8_t* Data() const { return FData && !FData->empty() ? FData->data() : nullptr; }
    // The samples themselves, for sharing (null when there are none).
    const std::shared_ptr<const std::vector<uint8_t>>& Samples() const { return FData; }
    // The format record; all zeros when none was read.
    platform::dsound::WaveFormat Format() const;

private:
    using FormatBlock = std::array<uint8_t, kFormatBlockSize>;

    void Scan(std::istream& stream);

    std::shared_ptr<const std::vector<uint8_t>> FData;
    int FDataSize = 0;
    std::unique_ptr<FormatBlock> FFormat;
    int FFormatSize = 0;
    int FRiffSize = 0;
};
