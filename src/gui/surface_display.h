#pragma once
// The GUI's drawing on a surface: fills and canvas text on whatever surface
// is the back buffer at the moment (the display screen rebuilds it when it
// switches between full screen and window, so it is asked for each time).
#include <functional>

#include "engine/display/dd_surface.h"
#include "engine/display/ddraw_screen.h"
#include "gui/gui_ports.h"

class TFXSurfaceDisplay final : public TFXDisplay {
public:
    using SurfaceSource = std::function<TDDrawSurface*()>;
    using SizeSource = std::function<int()>;

    TFXSurfaceDisplay(SurfaceSource backBuffer, SizeSource width, SizeSource height)
        : FBackBuffer(std::move(backBuffer)), FWidth(std::move(width)), FHeight(std::move(height)) {}
    // The display screen's back buffer and current size.
    explicit TFXSurfaceDisplay(TDDrawScreen& screen)
        : TFXSurfaceDisplay([&screen] { return screen.BackBuffer(); }, [&screen] { return screen.Width(); },
                            [&screen] { return screen.Height(); }) {}

    int Width() const override { return FWidth(); }
    int Height() const override { return FHeight(); }
    void FillRect(int x, int y, int width, int height, TFXColor colour) override;
    bool AcquireDC() override;
    void ReleaseDC() override;
    void SetFont(const TFXCanvasFont& font) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;

private:
    platform::gdi::TCanvas* Canvas() const;
    // Runs a measurement, holding the canvas for it if nobody does; 0 when
    // the surface is lost.
    int Measure(const std::function<int(platform::gdi::TCanvas&)>& measure);

    SurfaceSource FBackBuffer;
    SizeSource FWidth;
    SizeSource FHeight;
};
