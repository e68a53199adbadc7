#pragma once
// One of the game's bitmap fonts, read from a built game folder and measured
// by the game's own font code, so levelc judges a text exactly as the game
// will draw it: which characters have a glyph and how wide a line runs.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class TFXBitmapFont;

class TGameFont {
public:
    // The picture of that catalogue name ("bigfont2", "font1"); throws
    // std::runtime_error naming the file when it cannot be read.
    TGameFont(const std::filesystem::path& gameDir, std::string_view imageName);
    ~TGameFont();
    TGameFont(const TGameFont&) = delete;
    TGameFont& operator=(const TGameFont&) = delete;

    const std::string& ImageName() const { return FImageName; }
    // A glyph with ink (or the blank), other than the edit box's caret block.
    bool CanDraw(uint8_t code) const;
    // Pixels from the pen's start to its end after drawing the text.
    int Width(std::string_view text) const;

private:
    class TPicture;
    class TNoDisplay;

    std::string FImageName;
    std::unique_ptr<TPicture> FPicture;
    std::unique_ptr<TNoDisplay> FDisplay;
    std::unique_ptr<TFXBitmapFont> FFont;
};

// The two fonts of a level's title card.
struct TTitleCardFonts {
    explicit TTitleCardFonts(const std::filesystem::path& gameDir)
        : Title(gameDir, "bigfont2"), Description(gameDir, "font1") {}
    TGameFont Title;
    TGameFont Description;
};
