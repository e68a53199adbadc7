#pragma once
// Proportional text from fixed-size glyph cells: each glyph's empty margin is
// measured once from the font image, so drawing needs only a table lookup
// and one blit per character.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_ports.h"

class TFXBitmapFont;

class TFXBitmapChar {
public:
    TFXBitmapChar(TFXBitmapFont& font, uint8_t code, int32_t pattern, int32_t leftTrim, int32_t rightTrim)
        : Font(font), Code(code), Pattern(pattern), LeftTrim(leftTrim), RightTrim(rightTrim) {}

    TFXBitmapFont& Font;
    uint8_t Code;
    int32_t Pattern;
    int32_t LeftTrim;   // pixels cut from the left of the cell when drawing
    int32_t RightTrim;  // pixels cut from the right
};

class TFXBitmapFont {
public:
    // The glyph the edit box draws as its caret (character 219).
    static constexpr int32_t CaretPattern = 91;

    // Spacing outside 0..2 becomes 0. Measures the glyphs, which converts the
    // image's bitmap to 24 bits per pixel.
    TFXBitmapFont(TFXDisplay& screen, int32_t spacing, TFXImage& image);
    TFXBitmapFont(const TFXBitmapFont&) = delete;
    TFXBitmapFont& operator=(const TFXBitmapFont&) = delete;

    TFXBitmapChar* FindChar(uint8_t code) const;
    TFXBitmapChar* FindCharByPattern(int32_t pattern) const;
    int32_t CharWidth() const { return Image.PatternWidth(); }
    int32_t CharHeight() const { return Image.PatternHeight(); }
    // Pattern index of the cell holding bitmap pixel (x, y).
    int32_t PatternAt(int32_t x, int32_t y) const;

    // Characters without a glyph are skipped and take no room. Honours and
    // then clears ClipRight; leaves the pen position in LastX.
    void DrawText(int32_t x, int32_t y, const std::string& text);
    // DrawText, then the glyph of `pattern` at the pen position.
    void DrawTextAndGlyph(int32_t x, int32_t y, int32_t pattern, const std::string& text);

    TFXDisplay& Screen;
    TFXImage& Image;
    std::vector<std::unique_ptr<TFXBitmapChar>> Chars;
    int32_t Spacing = 0;
    int32_t LastX = 0;
    // Right limit for the next draw only; -1 means none.
    int32_t ClipRight = -1;

private:
    void BuildGlyphTable();
    void MeasureGlyphs();
    int32_t Columns() const;
    int32_t Rows() const;
    // Draws one glyph at the pen and returns the advanced pen.
    int32_t DrawGlyph(const TFXBitmapChar& glyph, int32_t pen, int32_t y);
};
