#pragma once
// The recording file of a game: everything the game took from outside, in
// the order it took it, so that running the same game again on those
// answers repeats it exactly.
//
// A file is a header and then chunks:
//   header  "BRCGREC\n", format version (u32)
//   chunk   payload length (u32), CRC-32 of the payload (u32), payload
// Numbers are little-endian. A payload is a run of whole records:
//   record  type (u8), payload length (varint), payload
// Chunks are written as the game goes, at least once a second, so a run
// that is killed leaves every chunk but the last whole.
//
// The first records are the files the game reads (settings, levels). Then
// come, in the order the game asked: the clock's readings, the window's and
// the display's answers, the sound card's, each event taken from the queue
// (followed by the raw input state's changes when there were any), and
// after every frame a mark with the frame's number and the game's digest.
// An end record closes a run that ended in order.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/backends/audio.h"
#include "platform/backends/events.h"
#include "platform/backends/video.h"
#include "platform/backends/window.h"
#include "runs/byte_codec.h"

namespace recording {

inline constexpr char kMagic[8] = {'B', 'R', 'C', 'G', 'R', 'E', 'C', '\n'};
inline constexpr uint32_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderSize = 12;
inline constexpr std::size_t kChunkHeaderSize = 8;
// No chunk the writer makes is larger; a larger length is damage.
inline constexpr uint32_t kMaxChunk = 8u << 20;
// A recorded file (a level, the settings) is at most this long.
inline constexpr std::size_t kMaxRecordedFile = 4u << 20;

enum class RecordType : uint8_t {
    File = 1,
    Milliseconds,
    Counter,
    Frequency,
    RandomSeed,
    Poll,
    Wait,
    Rescan,
    Input,
    HasFocus,
    Visible,
    Minimized,
    Bounds,
    ClientRect,
    SetFullScreen,
    FullScreen,
    DisplayModes,
    DesktopMode,
    DisplayCount,
    WorkArea,
    DisplayConflict,
    AudioDevices,
    AudioOpen,
    AudioFormat,
    Frame,
    End,
};
inline constexpr uint8_t kLastRecordType = static_cast<uint8_t>(RecordType::End);

// For messages: "a clock reading", "the window's bounds" ...
const char* DescribeRecord(RecordType type);

// A file of the game folder as the recorded game found it. `name` is
// relative to the game folder and never leaves it.
struct RecordedFile {
    std::string name;
    bool present = false;
    std::string bytes;
};
bool IsSafeRecordedName(const std::string& name);

struct FrameMark {
    uint64_t number = 0;
    uint64_t digest = 0;
};

// The payload of each record type. Readings of the clock are stored as the
// difference from the previous reading of the same clock.
void PutFile(ByteWriter& out, const RecordedFile& file);
bool GetFile(ByteReader& in, RecordedFile& file);
void PutBool(ByteWriter& out, bool value);
bool GetBool(ByteReader& in, bool& value);
void PutRect(ByteWriter& out, const platform::Rect& r);
bool GetRect(ByteReader& in, platform::Rect& r);
void PutEvent(ByteWriter& out, const std::optional<platform::Event>& event);
bool GetEvent(ByteReader& in, std::optional<platform::Event>& event);
void PutMode(ByteWriter& out, const platform::DisplayModeInfo& mode);
bool GetMode(ByteReader& in, platform::DisplayModeInfo& mode);
void PutModes(ByteWriter& out, const std::vector<platform::DisplayModeInfo>& modes);
bool GetModes(ByteReader& in, std::vector<platform::DisplayModeInfo>& modes);
void PutNames(ByteWriter& out, const std::vector<std::string>& names);
bool GetNames(ByteReader& in, std::vector<std::string>& names);
void PutAudioFormat(ByteWriter& out, const platform::AudioFormat& format);
bool GetAudioFormat(ByteReader& in, platform::AudioFormat& format);
// Whether the device opened, and at what format.
void PutAudioOpen(ByteWriter& out, const std::optional<platform::AudioFormat>& opened);
bool GetAudioOpen(ByteReader& in, std::optional<platform::AudioFormat>& opened);
void PutFrequency(ByteWriter& out, bool available, int64_t countsPerSecond);
bool GetFrequency(ByteReader& in, bool& available, int64_t& countsPerSecond);
void PutFrame(ByteWriter& out, const FrameMark& mark);
bool GetFrame(ByteReader& in, FrameMark& mark);

// Whether `payload` is a whole, well-formed payload of `type`.
bool ValidPayload(RecordType type, std::span<const uint8_t> payload);

}  // namespace recording
