#include "runs/recording_format.h"

namespace recording {
namespace {

constexpr std::size_t kMaxName = 256;
constexpr uint64_t kMaxListLength = 4096;

bool GetInt(ByteReader& in, int& v)
{
    int32_t w = 0;
    if (!in.int32(w)) return false;
    v = w;
    return true;
}

// A raw input difference: a mode byte, then either the whole state or
// runs of (gap, length, bytes).
bool ValidInputDiff(ByteReader& in)
{
    uint8_t mode = 0;
    if (!in.u8(mode)) return false;
    std::span<const uint8_t> bytes;
    uint64_t n = 0;
    if (mode == 1) return in.varint(n) && n <= kMaxChunk && in.raw(bytes, static_cast<std::size_t>(n));
    if (mode != 0) return in.fail();
    while (!in.atEnd()) {
        uint64_t gap = 0;
        if (!in.varint(gap) || !in.varint(n) || n == 0 || n > kMaxChunk) return in.fail();
        if (!in.raw(bytes, static_cast<std::size_t>(n))) return false;
    }
    return true;
}

}  // namespace

const char* DescribeRecord(RecordType type)
{
    switch (type) {
    case RecordType::File: return "a file of the game folder";
    case RecordType::Milliseconds: return "a reading of the millisecond clock";
    case RecordType::Counter: return "a reading of the high-resolution counter";
    case RecordType::Frequency: return "the counter's frequency";
    case RecordType::RandomSeed: return "the random seed";
    case RecordType::Poll: return "an event from the queue";
    case RecordType::Wait: return "a wait for events";
    case RecordType::Rescan: return "a look for new pads";
    case RecordType::Input: return "a change of the raw input";
    case RecordType::HasFocus: return "whether the window has the focus";
    case RecordType::Visible: return "whether the window is visible";
    case RecordType::Minimized: return "whether the window is minimised";
    case RecordType::Bounds: return "the window's bounds";
    case RecordType::ClientRect: return "the window's client area";
    case RecordType::SetFullScreen: return "a switch to or from full screen";
    case RecordType::FullScreen: return "whether the display is full screen";
    case RecordType::DisplayModes: return "the display modes";
    case RecordType::DesktopMode: return "the desktop mode";
    case RecordType::DisplayCount: return "the number of displays";
    case RecordType::WorkArea: return "the desktop's work area";
    case RecordType::DisplayConflict: return "whether the displays conflict";
    case RecordType::AudioDevices: return "the sound devices";
    case RecordType::AudioOpen: return "opening the sound device";
    case RecordType::AudioFormat: return "the sound device's format";
    case RecordType::Frame: return "the end of a frame";
    case RecordType::End: return "the end of the game";
    }
    return "an unknown record";
}

bool IsSafeRecordedName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxName || name.front() == '/' || name.back() == '/') return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t slash = name.find('/', start);
        if (slash == std::string::npos) slash = name.size();
        const std::string part = name.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        for (char c : part) {
            const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                               c == '.' || c == '-' || c == '_' || c == ' ';
            if (!plain) return false;
        }
        start = slash + 1;
    }
    return true;
}

void PutFile(ByteWriter& out, const RecordedFile& file)
{
    out.text(file.name);
    PutBool(out, file.present);
    out.text(file.present ? file.bytes : std::string());
}

bool GetFile(ByteReader& in, RecordedFile& file)
{
    return in.text(file.name, kMaxName) && IsSafeRecordedName(file.name) && GetBool(in, file.present) &&
           in.text(file.bytes, kMaxRecordedFile) && (file.present || file.bytes.empty());
}

void PutBool(ByteWriter& out, bool value) { out.u8(value ? 1 : 0); }

bool GetBool(ByteReader& in, bool& value)
{
    uint8_t b = 0;
    if (!in.u8(b) || b > 1) return in.fail();
    value = b == 1;
    return true;
}

void PutRect(ByteWriter& out, const platform::Rect& r)
{
    out.svarint(r.left);
    out.svarint(r.top);
    out.svarint(r.right);
    out.svarint(r.bottom);
}

bool GetRect(ByteReader& in, platform::Rect& r)
{
    return GetInt(in, r.left) && GetInt(in, r.top) && GetInt(in, r.right) && GetInt(in, r.bottom);
}

void PutEvent(ByteWriter& out, const std::optional<platform::Event>& event)
{
    PutBool(out, event.has_value());
    if (!event) return;
    out.u8(static_cast<uint8_t>(event->type));
    out.u8(event->key);
    PutBool(out, event->repeat);
    out.svarint(event->x);
    out.svarint(event->y);
}

bool GetEvent(ByteReader& in, std::optional<platform::Event>& event)
{
    bool has = false;
    if (!GetBool(in, has)) return false;
    event.reset();
    if (!has) return true;
    platform::Event e;
    uint8_t type = 0;
    if (!in.u8(type) || type > static_cast<uint8_t>(platform::EventType::DevicesChanged)) return in.fail();
    e.type = static_cast<platform::EventType>(type);
    if (!in.u8(e.key) || !GetBool(in, e.repeat) || !GetInt(in, e.x) || !GetInt(in, e.y)) return false;
    event = e;
    return true;
}

void PutMode(ByteWriter& out, const platform::DisplayModeInfo& mode)
{
    out.svarint(mode.width);
    out.svarint(mode.height);
    out.svarint(mode.bitsPerPixel);
    out.svarint(mode.refreshRate);
}

bool GetMode(ByteReader& in, platform::DisplayModeInfo& mode)
{
    return GetInt(in, mode.width) && GetInt(in, mode.height) && GetInt(in, mode.bitsPerPixel) &&
           GetInt(in, mode.refreshRate);
}

void PutModes(ByteWriter& out, const std::vector<platform::DisplayModeInfo>& modes)
{
    out.varint(modes.size());
    for (const auto& mode : modes) PutMode(out, mode);
}

bool GetModes(ByteReader& in, std::vector<platform::DisplayModeInfo>& modes)
{
    uint64_t n = 0;
    if (!in.varint(n) || n > kMaxListLength) return in.fail();
    modes.assign(static_cast<std::size_t>(n), {});
    for (auto& mode : modes)
        if (!GetMode(in, mode)) return false;
    return true;
}

void PutNames(ByteWriter& out, const std::vector<std::string>& names)
{
    out.varint(names.size());
    for (const auto& name : names) out.text(name);
}

bool GetNames(ByteReader& in, std::vector<std::string>& names)
{
    uint64_t n = 0;
    if (!in.varint(n) || n > kMaxListLength) return in.fail();
    names.assign(static_cast<std::size_t>(n), {});
    for (auto& name : names)
        if (!in.text(name, kMaxName)) return false;
    return true;
}

void PutAudioFormat(ByteWriter& out, const platform::AudioFormat& format)
{
    out.svarint(format.frequency);
    out.svarint(format.channels);
}

bool GetAudioFormat(ByteReader& in, platform::AudioFormat& format)
{
    return GetInt(in, format.frequency) && GetInt(in, format.channels);
}

void PutAudioOpen(ByteWriter& out, const std::optional<platform::AudioFormat>& opened)
{
    PutBool(out, opened.has_value());
    if (opened) PutAudioFormat(out, *opened);
}

bool GetAudioOpen(ByteReader& in, std::optional<platform::AudioFormat>& opened)
{
    bool ok = false;
    if (!GetBool(in, ok)) return false;
    opened.reset();
    if (!ok) return true;
    platform::AudioFormat format;
    if (!GetAudioFormat(in, format)) return false;
    opened = format;
    return true;
}

void PutFrequency(ByteWriter& out, bool available, int64_t countsPerSecond)
{
    PutBool(out, available);
    out.svarint(countsPerSecond);
}

bool GetFrequency(ByteReader& in, bool& available, int64_t& countsPerSecond)
{
    return GetBool(in, available) && in.svarint(countsPerSecond);
}

void PutFrame(ByteWriter& out, const FrameMark& mark)
{
    out.varint(mark.number);
    out.u64(mark.digest);
}

bool GetFrame(ByteReader& in, FrameMark& mark) { return in.varint(mark.number) && in.u64(mark.digest); }

bool ValidPayload(RecordType type, std::span<const uint8_t> payload)
{
    ByteReader in(payload);
    bool flag = false;
    int64_t number = 0;
    uint64_t unsignedNumber = 0;
    platform::Rect rect;
    bool ok = false;
    switch (type) {
    case RecordType::File: {
        RecordedFile file;
        ok = GetFile(in, file);
        break;
    }
    case RecordType::Milliseconds:
    case RecordType::Counter: ok = in.svarint(number); break;
    case RecordType::Frequency: ok = GetFrequency(in, flag, number); break;
    case RecordType::RandomSeed: ok = in.u64(unsignedNumber); break;
    case RecordType::Poll: {
        std::optional<platform::Event> event;
        ok = GetEvent(in, event);
        break;
    }
    case RecordType::Wait: ok = in.varint(unsignedNumber) && unsignedNumber <= UINT32_MAX; break;
    case RecordType::Rescan:
    case RecordType::End: ok = true; break;
    case RecordType::Input: ok = ValidInputDiff(in); break;
    case RecordType::HasFocus:
    case RecordType::Visible:
    case RecordType::Minimized:
    case RecordType::SetFullScreen:
    case RecordType::FullScreen:
    case RecordType::DisplayConflict: ok = GetBool(in, flag); break;
    case RecordType::Bounds:
    case RecordType::ClientRect:
    case RecordType::WorkArea: ok = GetRect(in, rect); break;
    case RecordType::DisplayModes: {
        std::vector<platform::DisplayModeInfo> modes;
        ok = GetModes(in, modes);
        break;
    }
    case RecordType::DesktopMode: {
        platform::DisplayModeInfo mode;
        ok = GetMode(in, mode);
        break;
    }
    case RecordType::DisplayCount: {
        int32_t count = 0;
        ok = in.int32(count);
        break;
    }
    case RecordType::AudioDevices: {
        std::vector<std::string> names;
        ok = GetNames(in, names);
        break;
    }
    case RecordType::AudioOpen: {
        std::optional<platform::AudioFormat> opened;
        ok = GetAudioOpen(in, opened);
        break;
    }
    case RecordType::AudioFormat: {
        platform::AudioFormat format;
        ok = GetAudioFormat(in, format);
        break;
    }
    case RecordType::Frame: {
        FrameMark mark;
        ok = GetFrame(in, mark);
        break;
    }
    }
    return ok && in.ok() && in.atEnd();
}

}  // namespace recording
