#pragma once
// Fonts for text on device contexts. Windows faces map onto DejaVu: the game
// asks for "Arial" and "Verdana", both are served by DejaVu Sans. The font
// files ship in the game folder (SysData/Fonts/), so every system draws the
// same pixels from the same files.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace platform::gdi {

// Where the font files lie, below the game folder.
inline constexpr const char* kFontFolder = "SysData/Fonts/";

// What a canvas asks for: face name, height in pixels (the em size), style.
struct LogFont {
    std::string face = "Arial";
    int pixelHeight = 13;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Glyph coverage of a rendered text line, 0..255 per pixel.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
};

// Opens each font file once per size. Not copyable; one per display device.
class FontCache {
public:
    // `folder` holds the font files, with a trailing slash.
    explicit FontCache(std::string folder);
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // False when no font can be opened (text then draws nothing).
    bool measure(const LogFont& font, const std::string& text, int& width, int& height);
    bool render(const LogFont& font, const std::string& text, TextMask& mask);

    // The file a face name is served by, in this cache's folder.
    std::string fileFor(const LogFont& font) const;

private:
    struct Impl;
    std::string folder_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform::gdi
