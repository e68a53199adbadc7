#include "gui/surface_display.h"

void TFXSurfaceDisplay::FillRect(int x, int y, int width, int height, TFXColor colour) {
    // Degenerate rectangles (a bevel wider than its control) fill nothing.
    if (width <= 0 || height <= 0) return;
    if (TDDrawSurface* s = FBackBuffer()) s->FillRect(x, y, width, height, colour);
}

platform::gdi::TCanvas* TFXSurfaceDisplay::Canvas() const {
    TDDrawSurface* s = FBackBuffer();
    return s ? &s->Canvas() : nullptr;
}

bool TFXSurfaceDisplay::AcquireDC() {
    TDDrawSurface* s = FBackBuffer();
    return s && s->Canvas().AcquireDC();
}

void TFXSurfaceDisplay::ReleaseDC() {
    if (TDDrawSurface* s = FBackBuffer()) s->Canvas().ReleaseDC();
}

void TFXSurfaceDisplay::SetFont(const TFXCanvasFont& font) {
    platform::gdi::TCanvas* c = Canvas();
    if (!c) return;
    c->Brush.Style = platform::gdi::TBrushStyle::bsClear;
    c->Font.Name = font.Name;
    c->Font.Size = font.Size;
    c->Font.Style = font.Style;
    c->Font.Color = font.Color;
}

int TFXSurfaceDisplay::Measure(const std::function<int(platform::gdi::TCanvas&)>& measure) {
    TDDrawSurface* s = FBackBuffer();
    if (!s) return 0;
    TDDrawSurfaceCanvas& c = s->Canvas();
    if (c.HandleAllocated()) return measure(c);
    if (!c.AcquireDC()) return 0;
    const int result = measure(c);
    c.ReleaseDC();
    return result;
}

int TFXSurfaceDisplay::TextWidth(const std::string& text) {
    return Measure([&](platform::gdi::TCanvas& c) { return c.TextWidth(text); });
}

int TFXSurfaceDisplay::TextHeight(const std::string& text) {
    return Measure([&](platform::gdi::TCanvas& c) { return c.TextHeight(text); });
}

void TFXSurfaceDisplay::TextOut(int x, int y, const std::string& text) {
    platform::gdi::TCanvas* c = Canvas();
    if (c && c->HandleAllocated()) c->TextOut(x, y, text);
}
