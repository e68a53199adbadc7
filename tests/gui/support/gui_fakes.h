#pragma once
// In-memory stand-ins for the display, images and input, so the toolkit's
// behaviour can be checked by the pixels it leaves and the text it writes.
#include <array>
#include <string>
#include <vector>

#include "gui/gui_ports.h"

namespace guitest {

struct TextCall {
    int x, y;
    std::string text;
    TFXCanvasFont font;
};

class FakeDisplay : public TFXDisplay {
public:
    FakeDisplay(int w = 800, int h = 600) : w_(w), h_(h), pixels(static_cast<size_t>(w * h), 0) {}
    int Width() const override { return w_; }
    int Height() const override { return h_; }
    void FillRect(int x, int y, int width, int height, TFXColor colour) override {
        for (int j = y; j < y + height; ++j)
            for (int i = x; i < x + width; ++i) put(i, j, colour);
    }
    bool AcquireDC() override {
        if (!dcAvailable) return false;
        ++acquired;
        return true;
    }
    void ReleaseDC() override { --acquired; }
    void SetFont(const TFXCanvasFont& f) override { font = f; }
    // A fixed-pitch stand-in: 7 pixels a character, 12 high.
    int TextWidth(const std::string& t) override { return 7 * static_cast<int>(t.size()); }
    int TextHeight(const std::string&) override { return 12; }
    void TextOut(int x, int y, const std::string& t) override { texts.push_back({x, y, t, font}); }

    void put(int x, int y, TFXColor c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) pixels[static_cast<size_t>(y * w_ + x)] = c;
    }
    TFXColor at(int x, int y) const { return pixels[static_cast<size_t>(y * w_ + x)]; }

    int w_, h_;
    std::vector<TFXColor> pixels;
    bool dcAvailable = true;
    int acquired = 0;
    TFXCanvasFont font;
    std::vector<TextCall> texts;
};

struct DrawCall {
    int pattern, x, y;
};

// Patterns paint a solid block of PatternColour(pattern) onto the display.
class FakeImage : public TFXImage {
public:
    static TFXColor PatternColour(int pattern) { return 0x400000 + pattern; }

    FakeImage(int pw, int ph, FakeDisplay* target = nullptr, int gx = 0, int gy = 0, int bw = 0, int bh = 0,
              TFXColor transparent = 0)
        : pw_(pw), ph_(ph), gx_(gx), gy_(gy), bw_(bw), bh_(bh), transparent_(transparent),
          bitmap(static_cast<size_t>(bw * bh), transparent & 0xFFFFFF), target_(target) {}

    int PatternWidth() const override { return pw_; }
    int PatternHeight() const override { return ph_; }
    int SkipWidth() const override { return gx_; }
    int SkipHeight() const override { return gy_; }
    void Draw(int pattern, int x, int y) override {
        draws.push_back({pattern, x, y});
        if (target_)
            for (int j = 0; j < ph_; ++j)
                for (int i = 0; i < pw_; ++i) target_->put(x + i, y + j, PatternColour(pattern));
    }
    int BitmapWidth() const override { return bw_; }
    int BitmapHeight() const override { return bh_; }
    TFXColor TransparentColor() const override { return transparent_; }
    void PrepareForPixelReads() override { ++prepared; }
    TFXColor Pixel(int x, int y) const override {
        ++reads;
        return bitmap.at(static_cast<size_t>(y * bw_ + x));
    }

    // Ink in cell `pattern`, column i of line k.
    void ink(int pattern, int i, int k, TFXColor colour = 0xFFFFFF) {
        const int cols = (bw_ + gx_) / (pw_ + gx_);
        const int x = (pattern % cols) * (pw_ + gx_) + i;
        const int y = (pattern / cols) * (ph_ + gy_) + k;
        bitmap.at(static_cast<size_t>(y * bw_ + x)) = colour;
    }

    int pw_, ph_, gx_, gy_, bw_, bh_;
    TFXColor transparent_;
    std::vector<TFXColor> bitmap;
    std::vector<DrawCall> draws;
    int prepared = 0;
    mutable long reads = 0;

private:
    FakeDisplay* target_;
};

class FakeInput : public TFXInput {
public:
    TFXStateBits States() const override { return states; }
    TFXStateBits MouseStates() const override { return mouseStates; }
    int MouseDeltaX() const override { return dx; }
    int MouseDeltaY() const override { return dy; }
    TFXStateBits KeyboardStates() const override { return keyboardStates; }
    bool KeyDown(int code) const override { return code >= 0 && code <= 255 && keys[static_cast<size_t>(code)]; }
    int JoystickCount() const override { return joysticks; }
    TFXStateBits FirstJoystickStates() const override { return joystickStates; }

    void press(int code) { keys[static_cast<size_t>(code)] = true; }
    void release(int code) { keys[static_cast<size_t>(code)] = false; }
    void releaseAll() { keys.fill(false); }

    TFXStateBits states = 0, mouseStates = 0, keyboardStates = 0, joystickStates = 0;
    int dx = 0, dy = 0, joysticks = 0;
    std::array<bool, 256> keys{};
};

}  // namespace guitest
