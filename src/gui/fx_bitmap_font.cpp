#include "gui/fx_bitmap_font.h"

namespace {

// Punctuation cells that start with an 8-pixel margin each side until the
// ink scan finds better; letters and digits start fully trimmed.
struct SymbolGlyph {
    uint8_t code;
    int32_t pattern;
};
constexpr SymbolGlyph kSymbols[] = {
    {32, 0},  {58, 26}, {46, 14}, {33, 1},  {40, 8},  {41, 9},  {39, 64}, {47, 15},
    {60, 28}, {62, 30}, {61, 29}, {63, 31}, {219, TFXBitmapFont::CaretPattern},
};

}  // namespace

TFXBitmapFont::TFXBitmapFont(TFXDisplay& screen, int32_t spacing, TFXImage& image)
    : Screen(screen), Image(image), Spacing(spacing >= 0 && spacing <= 2 ? spacing : 0) {
    BuildGlyphTable();
    MeasureGlyphs();
}

void TFXBitmapFont::BuildGlyphTable() {
    const int32_t pw = Image.PatternWidth();
    auto add = [&](uint8_t code, int32_t pattern, int32_t left, int32_t right) {
        Chars.push_back(std::make_unique<TFXBitmapChar>(*this, code, pattern, left, right));
    };
    for (uint8_t c = '0'; c <= '9'; ++c) add(c, c - 32, 0, pw);
    for (uint8_t c = 'A'; c <= 'Z'; ++c) add(c, c - 32, 0, pw);
    for (uint8_t c = 'a'; c <= 'z'; ++c) add(c, c - 32, 0, pw);
    for (const auto& s : kSymbols) add(s.code, s.pattern, 8, 8);
}

int32_t TFXBitmapFont::Columns() const {
    const int32_t step = Image.PatternWidth() + Image.SkipWidth();
    return step > 0 ? (Image.BitmapWidth() + Image.SkipWidth()) / step : 0;
}

int32_t TFXBitmapFont::Rows() const {
    const int32_t step = Image.PatternHeight() + Image.SkipHeight();
    return step > 0 ? (Image.BitmapHeight() + Image.SkipHeight()) / step : 0;
}

int32_t TFXBitmapFont::PatternAt(int32_t x, int32_t y) const {
    const int32_t stepX = Image.PatternWidth() + Image.SkipWidth();
    const int32_t stepY = Image.PatternHeight() + Image.SkipHeight();
    if (stepX <= 0 || stepY <= 0) return -1;
    return x / stepX + Columns() * (y / stepY);
}

TFXBitmapChar* TFXBitmapFont::FindChar(uint8_t code) const {
    for (const auto& c : Chars)
        if (c->Code == code) return c.get();
    return nullptr;
}

TFXBitmapChar* TFXBitmapFont::FindCharByPattern(int32_t pattern) const {
    for (const auto& c : Chars)
        if (c->Pattern == pattern) return c.get();
    return nullptr;
}

// The scan keeps its historic quirks on purpose: the game's text spacing was
// tuned against them. A glyph's trim is replaced only when a line's first ink
// lies left of the stored trim or the stored trim is 0 (read as "not set",
// so ink in column 1, which yields 0, can be overridden by any later line),
// and the right trim mirrors the left one minus a pixel.
void TFXBitmapFont::MeasureGlyphs() {
    const int32_t pw = Image.PatternWidth();
    const int32_t ph = Image.PatternHeight();
    if (pw <= 0 || ph <= 0) return;  // no cells to measure
    Image.PrepareForPixelReads();
    const TFXColor key = Image.TransparentColor() & 0xFFFFFF;
    const int32_t cols = Columns();
    const int32_t rows = Rows();
    const int32_t gx = Image.SkipWidth();
    const int32_t gy = Image.SkipHeight();
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t k = 0; k < ph; ++k) {
            const int32_t y = r * (ph + gy) + k;
            for (int32_t c = 0; c < cols; ++c) {
                for (int32_t i = 0; i < pw; ++i) {
                    const int32_t x = c * (pw + gx) + i;
                    if ((Image.Pixel(x, y) & 0xFFFFFF) == key) continue;
                    if (TFXBitmapChar* glyph = FindCharByPattern(PatternAt(x, y))) {
                        if (i < glyph->LeftTrim || glyph->LeftTrim == 0) {
                            glyph->LeftTrim = i - 1 - Spacing;
                            glyph->RightTrim = glyph->LeftTrim - 1;
                        }
                    }
                    break;  // only a line's first ink in each cell counts
                }
            }
        }
    }
}

int32_t TFXBitmapFont::DrawGlyph(const TFXBitmapChar& glyph, int32_t pen, int32_t y) {
    Image.Draw(glyph.Pattern, pen - glyph.LeftTrim, y);
    return pen + Image.PatternWidth() - glyph.LeftTrim - glyph.RightTrim;
}

void TFXBitmapFont::DrawText(int32_t x, int32_t y, const std::string& text) {
    const int32_t pw = Image.PatternWidth();
    int32_t pen = x;
    for (const char ch : text) {
        const TFXBitmapChar* glyph = FindChar(static_cast<uint8_t>(ch));
        if (!glyph) continue;
        // Cut at a whole glyph: a partial one would look like a different letter.
        if (ClipRight > 0 && pen + pw > ClipRight) break;
        pen = DrawGlyph(*glyph, pen, y);
    }
    LastX = pen;
    ClipRight = -1;
}

void TFXBitmapFont::DrawTextAndGlyph(int32_t x, int32_t y, int32_t pattern, const std::string& text) {
    DrawText(x, y, text);
    if (const TFXBitmapChar* glyph = FindCharByPattern(pattern)) LastX = DrawGlyph(*glyph, LastX, y);
}
