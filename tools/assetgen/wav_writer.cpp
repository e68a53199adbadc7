#include "wav_writer.h"

#include "byte_writer.h"

#include <stdexcept>

namespace assetgen {

std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples, int channels, int sample_rate) {
  if (channels < 1 || channels > 2 || sample_rate <= 0) throw std::invalid_argument("unsupported wave format");
  if (samples.empty() || samples.size() % static_cast<std::size_t>(channels) != 0)
    throw std::invalid_argument("sample count does not fill whole frames");
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto block_align = static_cast<std::uint16_t>(channels * 2);

  ByteWriter out;
  out.text("RIFF");
  out.u32(4 + (8 + 16) + (8 + data_bytes));
  out.text("WAVE");
  out.text("fmt ");
  out.u32(16);
  out.u16(1);  // PCM
  out.u16(static_cast<std::uint16_t>(channels));
  out.u32(static_cast<std::uint32_t>(sample_rate));
  out.u32(static_cast<std::uint32_t>(sample_rate) * block_align);
  out.u16(block_align);
  out.u16(16);
  out.text("data");
  out.u32(data_bytes);
  for (std::int16_t s : samples) out.u16(static_cast<std::uint16_t>(s));
  return out.take();
}

}  // namespace assetgen
