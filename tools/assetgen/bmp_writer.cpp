#include "bmp_writer.h"

#include "byte_writer.h"

#include <stdexcept>

namespace assetgen {

std::vector<std::uint8_t> encode_bmp(const Image24& image) {
  if (image.width <= 0 || image.height <= 0) throw std::invalid_argument("bitmap of zero size");
  const std::size_t row_bytes = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
  const std::size_t pixel_bytes = row_bytes * static_cast<std::size_t>(image.height);
  constexpr std::uint32_t kHeaders = 14 + 40;

  ByteWriter out;
  out.text("BM");
  out.u32(static_cast<std::uint32_t>(kHeaders + pixel_bytes));
  out.u32(0);  // reserved
  out.u32(kHeaders);
  out.u32(40);
  out.u32(static_cast<std::uint32_t>(image.width));
  out.u32(static_cast<std::uint32_t>(image.height));  // positive height: bottom-up rows
  out.u16(1);                                          // planes
  out.u16(24);
  out.u32(0);  // BI_RGB
  out.u32(static_cast<std::uint32_t>(pixel_bytes));
  out.u32(2835);  // 72 dpi, as paint programs write it
  out.u32(2835);
  out.u32(0);
  out.u32(0);

  for (int y = image.height - 1; y >= 0; --y) {
    std::size_t written = 0;
    for (int x = 0; x < image.width; ++x) {
      const Rgb8 p = image.at(x, y);
      out.u8(p.b);
      out.u8(p.g);
      out.u8(p.r);
      written += 3;
    }
    for (; written < row_bytes; ++written) out.u8(0);
  }
  return out.take();
}

}  // namespace assetgen
