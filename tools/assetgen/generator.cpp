#include "generator.h"

#include "bmp_writer.h"
#include "canvas.h"
#include "prefix.h"
#include "wav_writer.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

void write_asset(const std::filesystem::path& path, std::string_view name, const std::vector<std::uint8_t>& body) {
  const auto prefix = make_prefix(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + path.string());
  out.write(reinterpret_cast<const char*>(prefix.data()), static_cast<std::streamsize>(prefix.size()));
  out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string() + " (disk full?)");
}

}  // namespace

Image24 render_image(const ImageEntry& e) {
  Canvas canvas(e.width(), e.height());
  cairo_t* cr = canvas.cr();
  for (int i = 0; i < e.patterns; ++i) {
    const int col = i % e.columns;
    const int row = i / e.columns;
    cairo_save(cr);
    cairo_translate(cr, col * (e.pattern_width + e.skip_width), row * (e.pattern_height + e.skip_height));
    cairo_rectangle(cr, 0, 0, e.pattern_width, e.pattern_height);
    cairo_clip(cr);
    cairo_new_path(cr);
    e.paint(Cell{cr, i, static_cast<double>(e.pattern_width), static_cast<double>(e.pattern_height)});
    cairo_restore(cr);
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
      throw std::runtime_error(std::string("drawing ") + std::string(e.name) + " failed: " +
                               cairo_status_to_string(cairo_status(cr)));
  }
  return flatten(canvas.surface(), e.transparent ? std::optional<Rgb8>(e.key) : std::nullopt);
}

void generate_all(const std::filesystem::path& game_dir) {
  for (const ImageEntry& e : image_catalogue()) {
    const auto folder = game_dir / std::filesystem::path(e.folder);
    std::filesystem::create_directories(folder);
    write_asset(folder / e.file, e.name, encode_bmp(render_image(e)));
  }
  const auto sound_folder = game_dir / "SysData";
  for (const SoundEntry& s : sound_catalogue()) {
    const Sound sound = s.make();
    write_asset(sound_folder / s.file, s.name, encode_wav(sound.samples, sound.channels, kSampleRate));
  }
}

}  // namespace assetgen
