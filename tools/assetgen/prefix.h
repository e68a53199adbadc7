#pragma once
// The 101-byte block in front of every shipped picture and sound.

#include <array>
#include <cstdint>
#include <string_view>

namespace assetgen {

inline constexpr std::size_t kPrefixSize = 101;

// The game's wave reader jumps back to the start of the file after the "data"
// chunk and reads bytes 0-7 as one more chunk header. Four zero bytes there end
// its chunk scan at once; the size field after them points far past any file
// end, so even a reader that ignored the zero id would skip to the end.
// The rest names the asset, which helps anyone looking at a file by hand.
std::array<std::uint8_t, kPrefixSize> make_prefix(std::string_view asset_name);

}  // namespace assetgen
