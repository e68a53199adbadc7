#pragma once
// The records, flags and result codes of DirectDraw, with the values the
// engine was written against, so its checks and messages read the same.
#include <array>
#include <cstdint>

#include "platform/backends/window.h"

namespace platform::ddraw {

using HRESULT = int32_t;

constexpr HRESULT makeDDResult(uint32_t code) { return static_cast<HRESULT>(0x88760000u | code); }

// General COM results DirectDraw shares.
inline constexpr HRESULT DD_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);

inline constexpr HRESULT DDERR_GENERIC = E_FAIL;
inline constexpr HRESULT DDERR_INVALIDPARAMS = E_INVALIDARG;
inline constexpr HRESULT DDERR_OUTOFMEMORY = E_OUTOFMEMORY;
inline constexpr HRESULT DDERR_UNSUPPORTED = E_NOTIMPL;
inline constexpr HRESULT DDERR_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);
inline constexpr HRESULT DDERR_INVALIDCAPS = makeDDResult(100);
inline constexpr HRESULT DDERR_INVALIDMODE = makeDDResult(120);
inline constexpr HRESULT DDERR_INVALIDOBJECT = makeDDResult(130);
inline constexpr HRESULT DDERR_INVALIDPIXELFORMAT = makeDDResult(145);
inline constexpr HRESULT DDERR_INVALIDRECT = makeDDResult(150);
inline constexpr HRESULT DDERR_NOCOOPERATIVELEVELSET = makeDDResult(212);
inline constexpr HRESULT DDERR_NOCOLORKEY = makeDDResult(215);
inline constexpr HRESULT DDERR_NODIRECTDRAWSUPPORT = makeDDResult(222);
inline constexpr HRESULT DDERR_NOEXCLUSIVEMODE = makeDDResult(225);
inline constexpr HRESULT DDERR_NOTFOUND = makeDDResult(255);
inline constexpr HRESULT DDERR_OUTOFVIDEOMEMORY = makeDDResult(380);
inline constexpr HRESULT DDERR_SURFACEBUSY = makeDDResult(430);
inline constexpr HRESULT DDERR_SURFACELOST = makeDDResult(450);
inline constexpr HRESULT DDERR_SURFACENOTATTACHED = makeDDResult(460);
inline constexpr HRESULT DDERR_TOOBIGSIZE = makeDDResult(480);
inline constexpr HRESULT DDERR_WASSTILLDRAWING = makeDDResult(540);
inline constexpr HRESULT DDERR_PRIMARYSURFACEALREADYEXISTS = makeDDResult(564);
inline constexpr HRESULT DDERR_NOCLIPPERATTACHED = makeDDResult(568);
inline constexpr HRESULT DDERR_NOHWND = makeDDResult(569);
inline constexpr HRESULT DDERR_NOPALETTEATTACHED = makeDDResult(572);
inline constexpr HRESULT DDERR_EXCLUSIVEMODEALREADYSET = makeDDResult(581);
inline constexpr HRESULT DDERR_NOTFLIPPABLE = makeDDResult(582);
inline constexpr HRESULT DDERR_NOTLOCKED = makeDDResult(584);
inline constexpr HRESULT DDERR_CANTCREATEDC = makeDDResult(585);
inline constexpr HRESULT DDERR_NODC = makeDDResult(586);
inline constexpr HRESULT DDERR_WRONGMODE = makeDDResult(587);
inline constexpr HRESULT DDERR_NOTPALETTIZED = makeDDResult(589);
inline constexpr HRESULT DDERR_UNSUPPORTEDMODE = makeDDResult(590);
inline constexpr HRESULT DDERR_DCALREADYCREATED = makeDDResult(620);

constexpr bool succeeded(HRESULT hr) { return hr >= 0; }
constexpr bool failed(HRESULT hr) { return hr < 0; }

// Interfaces a QueryInterface can ask for.
enum class Iid { IDirectDraw, IDirectDraw7, IDirectDrawGammaControl };

// Cooperative levels.
inline constexpr uint32_t DDSCL_FULLSCREEN = 0x1, DDSCL_ALLOWREBOOT = 0x2, DDSCL_NORMAL = 0x8,
                          DDSCL_EXCLUSIVE = 0x10, DDSCL_ALLOWMODEX = 0x40;

// Which members of a surface description are valid.
inline constexpr uint32_t DDSD_CAPS = 0x1, DDSD_HEIGHT = 0x2, DDSD_WIDTH = 0x4, DDSD_PITCH = 0x8,
                          DDSD_BACKBUFFERCOUNT = 0x20, DDSD_CKSRCBLT = 0x10000, DDSD_PIXELFORMAT = 0x1000,
                          DDSD_LPSURFACE = 0x800;

// Surface capabilities.
inline constexpr uint32_t DDSCAPS_BACKBUFFER = 0x4, DDSCAPS_COMPLEX = 0x8, DDSCAPS_FLIP = 0x10,
                          DDSCAPS_FRONTBUFFER = 0x20, DDSCAPS_OFFSCREENPLAIN = 0x40,
                          DDSCAPS_PRIMARYSURFACE = 0x200, DDSCAPS_SYSTEMMEMORY = 0x800,
                          DDSCAPS_3DDEVICE = 0x2000, DDSCAPS_VIDEOMEMORY = 0x4000;

// Pixel format flags.
inline constexpr uint32_t DDPF_PALETTEINDEXED8 = 0x20, DDPF_RGB = 0x40;

// Blit flags.
inline constexpr uint32_t DDBLT_COLORFILL = 0x400, DDBLT_KEYSRC = 0x8000, DDBLT_WAIT = 0x01000000;
inline constexpr uint32_t DDBLTFAST_NOCOLORKEY = 0x0, DDBLTFAST_SRCCOLORKEY = 0x1, DDBLTFAST_WAIT = 0x10;

// Lock, flip, colour key, palette, vertical blank and capability flags.
inline constexpr uint32_t DDLOCK_WAIT = 0x1;
inline constexpr uint32_t DDFLIP_WAIT = 0x1;
inline constexpr uint32_t DDCKEY_SRCBLT = 0x8;
inline constexpr uint32_t DDPCAPS_8BIT = 0x4, DDPCAPS_ALLOW256 = 0x40;
inline constexpr uint32_t DDWAITVB_BLOCKBEGIN = 0x1;
inline constexpr uint32_t DDCAPS2_PRIMARYGAMMA = 0x20000;
inline constexpr uint32_t DDENUMRET_CANCEL = 0, DDENUMRET_OK = 1;

struct DDPIXELFORMAT {
    uint32_t dwSize = 32;
    uint32_t dwFlags = 0;
    uint32_t dwFourCC = 0;
    uint32_t dwRGBBitCount = 0;
    uint32_t dwRBitMask = 0;
    uint32_t dwGBitMask = 0;
    uint32_t dwBBitMask = 0;
    uint32_t dwRGBAlphaBitMask = 0;
};

struct DDCOLORKEY {
    uint32_t dwColorSpaceLowValue = 0;
    uint32_t dwColorSpaceHighValue = 0;
};

struct DDSCAPS {
    uint32_t dwCaps = 0;
};

struct DDSCAPS2 {
    uint32_t dwCaps = 0;
    uint32_t dwCaps2 = 0;
    uint32_t dwCaps3 = 0;
    uint32_t dwCaps4 = 0;
};

// The version 1 surface description (108 bytes on the original platform).
struct DDSURFACEDESC {
    uint32_t dwSize = 108;
    uint32_t dwFlags = 0;
    uint32_t dwHeight = 0;
    uint32_t dwWidth = 0;
    int32_t lPitch = 0;
    uint32_t dwBackBufferCount = 0;
    uint32_t dwRefreshRate = 0;
    uint32_t dwAlphaBitDepth = 0;
    uint32_t dwReserved = 0;
    void* lpSurface = nullptr;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};

// The second surface description of the version 7 interface (124 bytes).
struct DDSURFACEDESC2 {
    uint32_t dwSize = 124;
    uint32_t dwFlags = 0;
    uint32_t dwHeight = 0;
    uint32_t dwWidth = 0;
    int32_t lPitch = 0;
    uint32_t dwBackBufferCount = 0;
    uint32_t dwRefreshRate = 0;
    uint32_t dwAlphaBitDepth = 0;
    uint32_t dwReserved = 0;
    void* lpSurface = nullptr;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS2 ddsCaps;
    uint32_t dwTextureStage = 0;
};

struct DDBLTFX {
    uint32_t dwSize = 100;
    uint32_t dwFillColor = 0;
};

struct PALETTEENTRY {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
};

struct DDGAMMARAMP {
    std::array<uint16_t, 256> red{};
    std::array<uint16_t, 256> green{};
    std::array<uint16_t, 256> blue{};
};

struct DDCAPS {
    uint32_t dwSize = 380;
    uint32_t dwCaps = 0;
    uint32_t dwCaps2 = 0;
    uint32_t dwVidMemTotal = 0;
    uint32_t dwVidMemFree = 0;
};

using RECT = platform::Rect;

}  // namespace platform::ddraw
