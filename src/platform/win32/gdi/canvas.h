#pragma once
// The canvas: brush, font and text drawing on a device context, the way the
// game's GUI and frame-rate display write on surfaces.
#include <cstdint>
#include <string>

#include "platform/win32/gdi/gdi_dc.h"

namespace platform::gdi {

using TColor = int32_t;  // 00BBGGRR; negative means "no colour" to the GUI
inline constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF;

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TBrushStyle Style = TBrushStyle::bsSolid;
    TColor Color = clWhite;
};

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

struct TFont {
    std::string Name = "Arial";
    int Size = 8;  // points at 96 dots per inch
    TColor Color = clBlack;
    TFontStyles Style = 0;
};

class TCanvas {
public:
    TCanvas() = default;
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBrush Brush;
    TFont Font;

    HDC Handle() const { return handle_; }
    void SetHandle(HDC dc) { handle_ = dc; }
    bool HandleAllocated() const { return handle_ != nullptr; }

    // All of these raise platform::Exception without a device context.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    void FillRect(const Rect& rect);
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

private:
    HDC requireHandle();
    void applyFont();

    HDC handle_ = nullptr;
};

}  // namespace platform::gdi
