#include "prefix.h"

#include <algorithm>

namespace assetgen {

std::array<std::uint8_t, kPrefixSize> make_prefix(std::string_view asset_name) {
  std::array<std::uint8_t, kPrefixSize> prefix{};
  prefix[4] = 0xFF;
  prefix[5] = 0xFF;
  prefix[6] = 0xFF;
  prefix[7] = 0x7F;
  constexpr std::string_view kTag = "Brindlecog asset: ";
  std::size_t pos = 8;
  for (char c : kTag) prefix[pos++] = static_cast<std::uint8_t>(c);
  const std::size_t room = kPrefixSize - 1 - pos;  // keep a terminating zero
  for (char c : asset_name.substr(0, std::min(room, asset_name.size()))) prefix[pos++] = static_cast<std::uint8_t>(c);
  return prefix;
}

}  // namespace assetgen
