#pragma once
// A name as the level and highscore files store it: one length byte and a
// fixed number of character bytes, of which only the first `length` count.
// A length byte larger than the field is read as the field's size.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

template <std::size_t N>
class TShortString {
    static_assert(N >= 1 && N <= 255);

public:
    static constexpr std::size_t Capacity = N;

    TShortString() = default;
    TShortString(std::string_view text) { Assign(text); }  // NOLINT: reads like a string

    // Cut to the field's size, as storing it in the file would.
    void Assign(std::string_view text)
    {
        FBytes.fill(0);
        const std::size_t n = std::min(text.size(), N);
        FBytes[0] = static_cast<uint8_t>(n);
        std::copy_n(text.begin(), n, FBytes.begin() + 1);
    }
    void Clear() { FBytes.fill(0); }

    std::string_view View() const
    {
        return {reinterpret_cast<const char*>(FBytes.data() + 1), std::min<std::size_t>(FBytes[0], N)};
    }
    std::size_t Length() const { return View().size(); }
    bool Empty() const { return Length() == 0; }

    // The field exactly as it lies in a file: the length byte, then N bytes.
    std::array<uint8_t, N + 1>& Bytes() { return FBytes; }
    const std::array<uint8_t, N + 1>& Bytes() const { return FBytes; }

    // Equal when the counted characters are equal, whatever lies after them.
    friend bool operator==(const TShortString& a, const TShortString& b) { return a.View() == b.View(); }
    friend bool operator==(const TShortString& a, std::string_view b) { return a.View() == b; }

private:
    std::array<uint8_t, N + 1> FBytes{};
};

// The two sizes the game's files use.
using TName30 = TShortString<30>;
using TText255 = TShortString<255>;
