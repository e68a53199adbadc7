#include "platform/win32/gdi/canvas.h"

#include "platform/errors.h"

namespace platform::gdi {

HDC TCanvas::requireHandle()
{
    if (!handle_) throw Exception("Canvas does not allow drawing");
    return handle_;
}

void TCanvas::applyFont()
{
    LogFont f;
    f.face = Font.Name;
    // Points to pixels at the classic 96 dots per inch, rounded like MulDiv.
    f.pixelHeight = (Font.Size * 96 + 36) / 72;
    f.bold = Font.Style & fsBold;
    f.italic = Font.Style & fsItalic;
    f.underline = Font.Style & fsUnderline;
    f.strikeOut = Font.Style & fsStrikeOut;
    handle_->selectFont(f);
    handle_->setTextColor(static_cast<uint32_t>(Font.Color) & 0xFFFFFF);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    HDC dc = requireHandle();
    applyFont();
    dc->setBkMode(Brush.Style == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
    dc->setBkColor(static_cast<uint32_t>(Brush.Color) & 0xFFFFFF);
    dc->textOut(x, y, text);
}

int TCanvas::TextWidth(const std::string& text)
{
    HDC dc = requireHandle();
    applyFont();
    int w = 0, h = 0;
    dc->textExtent(text, w, h);
    return w;
}

int TCanvas::TextHeight(const std::string& text)
{
    HDC dc = requireHandle();
    applyFont();
    int w = 0, h = 0;
    dc->textExtent(text, w, h);
    return h;
}

void TCanvas::FillRect(const Rect& rect)
{
    HDC dc = requireHandle();
    if (Brush.Style == TBrushStyle::bsClear) return;
    dc->fillRect(rect, static_cast<uint32_t>(Brush.Color) & 0xFFFFFF);
}

TColor TCanvas::Pixel(int x, int y) { return static_cast<TColor>(requireHandle()->getPixel(x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color)
{
    requireHandle()->setPixel(x, y, static_cast<uint32_t>(color) & 0xFFFFFF);
}

}  // namespace platform::gdi
