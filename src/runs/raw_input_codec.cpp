#include "runs/raw_input_codec.h"

#include "runs/byte_codec.h"

namespace recording {
namespace {

// Limits no real machine comes near; a recording beyond them is damaged.
constexpr uint32_t kMaxJoysticks = 64;
constexpr std::size_t kMaxName = 1024;
constexpr std::size_t kMaxStateBytes = 1 << 20;

enum DiffMode : uint8_t { kRuns = 0, kWhole = 1 };

void PutI32(ByteWriter& out, int32_t v) { out.u32(static_cast<uint32_t>(v)); }

bool GetI32(ByteReader& in, int32_t& v)
{
    uint32_t u = 0;
    if (!in.u32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

void PutName(ByteWriter& out, const std::string& s)
{
    out.u32(static_cast<uint32_t>(s.size()));
    out.raw(std::span(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
}

bool GetName(ByteReader& in, std::string& s)
{
    uint32_t n = 0;
    std::span<const uint8_t> bytes;
    if (!in.u32(n) || n > kMaxName || !in.raw(bytes, n)) return false;
    s.assign(bytes.begin(), bytes.end());
    return true;
}

template <std::size_t N>
bool GetBytes(ByteReader& in, std::array<uint8_t, N>& out)
{
    std::span<const uint8_t> bytes;
    if (!in.raw(bytes, N)) return false;
    std::copy(bytes.begin(), bytes.end(), out.begin());
    return true;
}

template <std::size_t N>
bool GetInts(ByteReader& in, std::array<int32_t, N>& out)
{
    for (int32_t& v : out)
        if (!GetI32(in, v)) return false;
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeRawInput(const platform::RawInput& input)
{
    ByteWriter out;
    out.raw(input.keys);
    out.raw(input.pressed);
    PutI32(out, input.mouse.dx);
    PutI32(out, input.mouse.dy);
    PutI32(out, input.mouse.wheel);
    out.raw(input.mouse.buttons);
    out.raw(input.mouse.pressed);
    out.u32(static_cast<uint32_t>(input.joysticks.size()));
    for (const platform::RawJoystick& j : input.joysticks) {
        PutI32(out, j.instanceId);
        PutName(out, j.name);
        PutName(out, j.product);
        out.u8(j.gameController ? 1 : 0);
        PutI32(out, j.numAxes);
        PutI32(out, j.numButtons);
        PutI32(out, j.numPovs);
        for (int32_t v : j.axes) PutI32(out, v);
        for (int32_t v : j.povs) PutI32(out, v);
        out.raw(j.buttons);
    }
    return std::move(out.bytes());
}

bool DecodeRawInput(std::span<const uint8_t> bytes, platform::RawInput& input)
{
    ByteReader in(bytes);
    platform::RawInput state;
    uint32_t count = 0;
    if (!GetBytes(in, state.keys) || !GetBytes(in, state.pressed) || !GetI32(in, state.mouse.dx) ||
        !GetI32(in, state.mouse.dy) || !GetI32(in, state.mouse.wheel) || !GetBytes(in, state.mouse.buttons) ||
        !GetBytes(in, state.mouse.pressed) || !in.u32(count) || count > kMaxJoysticks)
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        platform::RawJoystick j;
        uint8_t pad = 0;
        if (!GetI32(in, j.instanceId) || !GetName(in, j.name) || !GetName(in, j.product) || !in.u8(pad) ||
            pad > 1 || !GetI32(in, j.numAxes) || !GetI32(in, j.numButtons) || !GetI32(in, j.numPovs) ||
            !GetInts(in, j.axes) || !GetInts(in, j.povs) || !GetBytes(in, j.buttons))
            return false;
        j.gameController = pad == 1;
        state.joysticks.push_back(std::move(j));
    }
    if (!in.atEnd()) return false;
    input = std::move(state);
    return true;
}

std::vector<uint8_t> DiffBytes(std::span<const uint8_t> before, std::span<const uint8_t> after)
{
    ByteWriter out;
    if (before.size() != after.size()) {
        out.u8(kWhole);
        out.varint(after.size());
        out.raw(after);
        return std::move(out.bytes());
    }
    out.u8(kRuns);
    std::size_t end = 0;  // where the last run stopped
    std::size_t i = 0;
    while (i < after.size()) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        // A run goes on over short stretches of equal bytes: one more run
        // would cost more than the bytes it skips.
        std::size_t last = i;
        std::size_t j = i + 1;
        while (j < after.size() && j - last <= 3) {
            if (before[j] != after[j]) last = j;
            ++j;
        }
        out.varint(i - end);
        out.varint(last + 1 - i);
        out.raw(after.subspan(i, last + 1 - i));
        end = last + 1;
        i = end;
    }
    return std::move(out.bytes());
}

bool ApplyDiff(std::span<const uint8_t> diff, std::vector<uint8_t>& bytes)
{
    ByteReader in(diff);
    uint8_t mode = 0;
    if (!in.u8(mode)) return false;
    if (mode == kWhole) {
        uint64_t n = 0;
        std::span<const uint8_t> data;
        if (!in.varint(n) || n > kMaxStateBytes || !in.raw(data, static_cast<std::size_t>(n)) || !in.atEnd())
            return false;
        bytes.assign(data.begin(), data.end());
        return true;
    }
    if (mode != kRuns) return false;
    std::size_t at = 0;
    while (!in.atEnd()) {
        uint64_t gap = 0, length = 0;
        std::span<const uint8_t> data;
        if (!in.varint(gap) || !in.varint(length) || length == 0) return false;
        if (gap > bytes.size() - at || length > bytes.size() - at - gap) return false;
        at += static_cast<std::size_t>(gap);
        if (!in.raw(data, static_cast<std::size_t>(length))) return false;
        std::copy(data.begin(), data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
        at += static_cast<std::size_t>(length);
    }
    return true;
}

}  // namespace recording
