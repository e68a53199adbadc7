#include "app/screenshot.h"

#include <cstdio>
#include <filesystem>

#include "engine/display/ddraw_screen.h"
#include "platform/backends/frame_rgb.h"
#include "platform/errors.h"
#include "platform/files/atomic_file.h"
#include "platform/files/png_writer.h"
#include "platform/system/utf8_path.h"

namespace fs = std::filesystem;

std::string ScreenshotFileName(const std::tm& when, int count)
{
    char name[64];
    std::snprintf(name, sizeof name, "brindlecog-%04d%02d%02d-%02d%02d%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    std::string text = name;
    if (count > 1) text += "-" + std::to_string(count);
    return text + ".png";
}

std::string SaveScreenshot(const TDDrawScreen& screen, const std::string& folder, const std::tm& when)
{
    // The primary surface holds the last presented frame; in a window the
    // picture sits at its top left.
    const TDDrawSurface* primary = screen.Primary();
    if (!screen.IsInitialized() || !primary || !primary->Surface())
        throw platform::Exception("There is no picture on the screen to save.");
    const platform::FrameView frame = primary->Surface()->frameView();
    const int width = std::min(screen.Width(), frame.width), height = std::min(screen.Height(), frame.height);
    const std::vector<uint8_t> png = platform::encodePng(width, height, platform::frameToRgb(frame, width, height));

    std::error_code ec;
    fs::create_directories(platform::utf8Path(folder), ec);
    if (ec) throw platform::EFileError("Cannot create folder \"" + folder + "\": " + ec.message());
    // Never replace an earlier picture: two presses in one second get two files.
    for (int count = 1;; ++count) {
        const std::string path = platform::utf8Text(platform::utf8Path(folder) / ScreenshotFileName(when, count));
        if (fs::exists(platform::utf8Path(path), ec)) continue;
        platform::writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
        return path;
    }
}
