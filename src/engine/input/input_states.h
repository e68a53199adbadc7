#pragma once
// The device-independent summary of input: four directions and up to 32
// buttons, which keyboard, mouse and joysticks all feed. The set spans the
// ordinals 0..39 (five bytes); 36..39 exist only as room and are never set.
#include <array>
#include <cstdint>
#include <initializer_list>

namespace engine::input {

enum TInputState : uint8_t {
    stUp, stDown, stLeft, stRight,
    stButton1, stButton2, stButton3, stButton4, stButton5, stButton6, stButton7, stButton8,
    stButton9, stButton10, stButton11, stButton12, stButton13, stButton14, stButton15, stButton16,
    stButton17, stButton18, stButton19, stButton20, stButton21, stButton22, stButton23, stButton24,
    stButton25, stButton26, stButton27, stButton28, stButton29, stButton30, stButton31, stButton32,
};

// The number of states devices report (directions and buttons).
inline constexpr int kInputStateCount = stButton32 + 1;

class TInputStates {
public:
    static constexpr int kOrdinals = 40;

    constexpr TInputStates() = default;
    constexpr TInputStates(std::initializer_list<TInputState> states)
    {
        for (const TInputState s : states) Include(s);
    }

    constexpr bool Contains(TInputState state) const { return (bits_ & mask(state)) != 0; }
    // Every state of `states` is held (the cursor's diagonals need two at once).
    constexpr bool ContainsAll(TInputStates states) const { return (bits_ & states.bits_) == states.bits_; }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr void Include(TInputState state) { bits_ |= mask(state); }
    constexpr void Exclude(TInputState state) { bits_ &= ~mask(state); }
    constexpr void Clear() { bits_ = 0; }

    constexpr TInputStates& operator+=(TInputStates other)
    {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr TInputStates operator+(TInputStates a, TInputStates b) { return a += b; }
    friend constexpr bool operator==(TInputStates, TInputStates) = default;

    // The five bytes of the set, bit n of the set in bit n % 8 of byte n / 8.
    constexpr std::array<uint8_t, 5> Bytes() const
    {
        std::array<uint8_t, 5> bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(bits_ >> (8 * i));
        return bytes;
    }

private:
    // Ordinals past the set's range are no member of it.
    static constexpr uint64_t mask(TInputState state) { return state < kOrdinals ? uint64_t{1} << state : 0; }

    uint64_t bits_ = 0;
};

}  // namespace engine::input
