#pragma once
// What the GUI needs from the display, the image list and the input
// controller, and nothing more. The toolkit draws and reads input only
// through these, so every control can be driven and checked without a
// window; adapters in gui_media.h bind them to the engine's components.
#include <cstdint>
#include <string>

// Input state bits as the input controller reports them: bit n is state n
// (0 up, 1 down, 2 left, 3 right, 4.. buttons 1..32).
using TFXStateBits = uint64_t;
inline constexpr TFXStateBits fxUp = 1u << 0;
inline constexpr TFXStateBits fxDown = 1u << 1;
inline constexpr TFXStateBits fxLeft = 1u << 2;
inline constexpr TFXStateBits fxRight = 1u << 3;
inline constexpr TFXStateBits fxButton1 = 1u << 4;

// Colours are 00BBGGRR like the platform's; negative means "no colour".
using TFXColor = int32_t;

// One picture cut into patterns, drawn onto the back buffer.
class TFXImage {
public:
    virtual ~TFXImage() = default;
    virtual int PatternWidth() const = 0;
    virtual int PatternHeight() const = 0;
    virtual int SkipWidth() const = 0;
    virtual int SkipHeight() const = 0;
    // Draws with transparency; patterns the image lacks draw nothing.
    virtual void Draw(int pattern, int x, int y) = 0;

    // Pixel access for measuring glyphs. PrepareForPixelReads makes the
    // pixels readable as plain RGB (the bitmap becomes 24 bits per pixel).
    virtual int BitmapWidth() const = 0;
    virtual int BitmapHeight() const = 0;
    virtual TFXColor TransparentColor() const = 0;
    virtual void PrepareForPixelReads() = 0;
    virtual TFXColor Pixel(int x, int y) const = 0;
};

enum class TFXFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFXFontStyles = uint8_t;  // or-ed TFXFontStyle values

// An operating-system font on the back buffer's canvas.
struct TFXCanvasFont {
    std::string Name;
    int Size = 10;
    TFXFontStyles Style = 0;
    TFXColor Color = 0xFFFFFF;
};

// The display screen's back buffer and its canvas.
class TFXDisplay {
public:
    virtual ~TFXDisplay() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void FillRect(int x, int y, int width, int height, TFXColor colour) = 0;

    // Canvas text. AcquireDC fails while the surface is lost; text calls are
    // only made between a successful AcquireDC and ReleaseDC, except the
    // measurements, which acquire for themselves when needed.
    virtual bool AcquireDC() = 0;
    virtual void ReleaseDC() = 0;
    // Selects the font with a clear brush.
    virtual void SetFont(const TFXCanvasFont& font) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// The input controller after this frame's poll.
class TFXInput {
public:
    virtual ~TFXInput() = default;
    virtual TFXStateBits States() const = 0;  // union of the enabled devices
    virtual TFXStateBits MouseStates() const = 0;
    virtual int MouseDeltaX() const = 0;
    virtual int MouseDeltaY() const = 0;
    virtual TFXStateBits KeyboardStates() const = 0;
    virtual bool KeyDown(int code) const = 0;
    virtual int JoystickCount() const = 0;
    virtual TFXStateBits FirstJoystickStates() const = 0;
};
