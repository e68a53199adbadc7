#pragma once
// DirectInput's published vocabulary: result codes, GUIDs, flags, property
// ids and the fixed records the game exchanges with it. Records keep their
// published byte layout because callers pass their sizes around.
#include <array>
#include <compare>
#include <cstdint>

namespace platform::dinput {

using HRESULT = int32_t;

constexpr bool succeeded(HRESULT hr) { return hr >= 0; }
constexpr bool failed(HRESULT hr) { return hr < 0; }

// Result codes.
inline constexpr HRESULT DI_OK = 0;
inline constexpr HRESULT DI_NOEFFECT = 1;       // S_FALSE: nothing to do (already acquired, ...)
inline constexpr HRESULT DI_POLLEDDEVICE = 2;
inline constexpr HRESULT DI_PROPNOEFFECT = 1;
inline constexpr HRESULT DIERR_OLDDIRECTINPUTVERSION = static_cast<HRESULT>(0x8007047EU);
inline constexpr HRESULT DIERR_BETADIRECTINPUTVERSION = static_cast<HRESULT>(0x80070481U);
inline constexpr HRESULT DIERR_BADDRIVERVER = static_cast<HRESULT>(0x80070077U);
inline constexpr HRESULT DIERR_DEVICENOTREG = static_cast<HRESULT>(0x80040154U);
inline constexpr HRESULT DIERR_NOTFOUND = static_cast<HRESULT>(0x80070002U);
inline constexpr HRESULT DIERR_OBJECTNOTFOUND = static_cast<HRESULT>(0x80070002U);
inline constexpr HRESULT DIERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057U);
inline constexpr HRESULT DIERR_NOINTERFACE = static_cast<HRESULT>(0x80004002U);
inline constexpr HRESULT DIERR_GENERIC = static_cast<HRESULT>(0x80004005U);
inline constexpr HRESULT DIERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000EU);
inline constexpr HRESULT DIERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001U);
inline constexpr HRESULT DIERR_NOTINITIALIZED = static_cast<HRESULT>(0x80070015U);
inline constexpr HRESULT DIERR_ALREADYINITIALIZED = static_cast<HRESULT>(0x800704DFU);
inline constexpr HRESULT DIERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110U);
inline constexpr HRESULT DIERR_OTHERAPPHASPRIO = static_cast<HRESULT>(0x80070005U);
inline constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(0x8007001EU);
inline constexpr HRESULT DIERR_ACQUIRED = static_cast<HRESULT>(0x800700AAU);
inline constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(0x8007000CU);
inline constexpr HRESULT DIERR_READONLY = static_cast<HRESULT>(0x80070005U);
inline constexpr HRESULT DIERR_HANDLEEXISTS = static_cast<HRESULT>(0x80070005U);

struct GUID {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};
    friend bool operator==(const GUID&, const GUID&) = default;
};
static_assert(sizeof(GUID) == 16);

// Interfaces, by generation.
inline constexpr GUID IID_IDirectInputA{0x89521360, 0xAA8A, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr GUID IID_IDirectInput2A{0x5944E662, 0xAA8A, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr GUID IID_IDirectInput7A{0x9A4CB684, 0x236D, 0x11D3, {0x8E, 0x9D, 0x00, 0xC0, 0x4F, 0x68, 0x44, 0xAE}};
inline constexpr GUID IID_IDirectInputDeviceA{0x5944E680, 0xC92E, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr GUID IID_IDirectInputDevice2A{0x5944E682, 0xC92E, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr GUID IID_IDirectInputDevice7A{0x57D7C6BC, 0x2356, 0x11D3, {0x8E, 0x9D, 0x00, 0xC0, 0x4F, 0x68, 0x44, 0xAE}};

// The system devices every machine has.
inline constexpr GUID GUID_SysMouse{0x6F1D2B60, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr GUID GUID_SysKeyboard{0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr GUID GUID_Joystick{0x6F1D2B70, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// DirectInput version numbers given to the create functions.
inline constexpr uint32_t DIRECTINPUT_VERSION_3 = 0x0300;
inline constexpr uint32_t DIRECTINPUT_VERSION_5 = 0x0500;
inline constexpr uint32_t DIRECTINPUT_VERSION_7 = 0x0700;

// Cooperative levels.
inline constexpr uint32_t DISCL_EXCLUSIVE = 0x1, DISCL_NONEXCLUSIVE = 0x2, DISCL_FOREGROUND = 0x4,
                          DISCL_BACKGROUND = 0x8;

// Device enumeration.
inline constexpr uint32_t DIDEVTYPE_DEVICE = 1, DIDEVTYPE_MOUSE = 2, DIDEVTYPE_KEYBOARD = 3, DIDEVTYPE_JOYSTICK = 4;
inline constexpr uint32_t DIEDFL_ALLDEVICES = 0, DIEDFL_ATTACHEDONLY = 1;
inline constexpr int DIENUM_STOP = 0, DIENUM_CONTINUE = 1;

// Properties: how the target object is named, and the property ids.
inline constexpr uint32_t DIPH_DEVICE = 0, DIPH_BYOFFSET = 1, DIPH_BYID = 2;
enum class DIPROP : uint32_t {
    BUFFERSIZE = 1, AXISMODE = 2, GRANULARITY = 3, RANGE = 4, DEADZONE = 5, SATURATION = 6,
    FFGAIN = 7, FFLOAD = 8, AUTOCENTER = 9, CALIBRATIONMODE = 10,
};
inline constexpr uint32_t DIPROPAUTOCENTER_OFF = 0, DIPROPAUTOCENTER_ON = 1;
inline constexpr int32_t DIPROPRANGE_NOMIN = static_cast<int32_t>(0x80000000U);
inline constexpr int32_t DIPROPRANGE_NOMAX = 0x7FFFFFFF;

struct DIPROPHEADER {
    uint32_t dwSize = 0;
    uint32_t dwHeaderSize = 0;
    uint32_t dwObj = 0;
    uint32_t dwHow = 0;
};
struct DIPROPDWORD {
    DIPROPHEADER diph;
    uint32_t dwData = 0;
};
struct DIPROPRANGE {
    DIPROPHEADER diph;
    int32_t lMin = 0;
    int32_t lMax = 0;
};
static_assert(sizeof(DIPROPHEADER) == 16 && sizeof(DIPROPDWORD) == 20 && sizeof(DIPROPRANGE) == 24);

// The three standard data formats. The device only needs to know which
// one it reads into and how large the caller's buffer must be.
enum class DataFormatKind : uint8_t { Keyboard, Mouse, Joystick };
struct DIDATAFORMAT {
    DataFormatKind kind;
    uint32_t dwDataSize;
};
inline constexpr DIDATAFORMAT c_dfDIKeyboard{DataFormatKind::Keyboard, 256};
inline constexpr DIDATAFORMAT c_dfDIMouse{DataFormatKind::Mouse, 16};
inline constexpr DIDATAFORMAT c_dfDIJoystick{DataFormatKind::Joystick, 80};

// Immediate device states.
struct DIMOUSESTATE {
    int32_t lX = 0, lY = 0, lZ = 0;
    std::array<uint8_t, 4> rgbButtons{};
};
struct DIJOYSTATE {
    int32_t lX = 0, lY = 0, lZ = 0;
    int32_t lRx = 0, lRy = 0, lRz = 0;
    std::array<int32_t, 2> rglSlider{};
    std::array<uint32_t, 4> rgdwPOV{};
    std::array<uint8_t, 32> rgbButtons{};
};
static_assert(sizeof(DIMOUSESTATE) == 16 && sizeof(DIJOYSTATE) == 80);

// Offsets of the joystick objects in DIJOYSTATE, as callers name them.
inline constexpr uint32_t DIJOFS_X = 0, DIJOFS_Y = 4, DIJOFS_Z = 8, DIJOFS_RX = 12, DIJOFS_RY = 16,
                          DIJOFS_RZ = 20, DIJOFS_SLIDER0 = 24, DIJOFS_SLIDER1 = 28, DIJOFS_POV0 = 32,
                          DIJOFS_BUTTON0 = 48;

// What enumeration reports about one device (the DirectX 5 record).
struct DIDEVICEINSTANCEA {
    uint32_t dwSize = 0;
    GUID guidInstance;
    GUID guidProduct;
    uint32_t dwDevType = 0;
    std::array<char, 260> tszInstanceName{};
    std::array<char, 260> tszProductName{};
    GUID guidFFDriver;
    uint16_t wUsagePage = 0;
    uint16_t wUsage = 0;
};
static_assert(sizeof(DIDEVICEINSTANCEA) == 580);

// What an object query reports (the DirectX 5 record of 316 bytes; the
// DirectX 3 record is its first 292 bytes).
struct DIDEVICEOBJECTINSTANCEA {
    uint32_t dwSize = 0;
    GUID guidType;
    uint32_t dwOfs = 0;
    uint32_t dwType = 0;
    uint32_t dwFlags = 0;
    std::array<char, 260> tszName{};
    uint32_t dwFFMaxForce = 0;
    uint32_t dwFFForceResolution = 0;
    uint16_t wCollectionNumber = 0;
    uint16_t wDesignatorIndex = 0;
    uint16_t wUsagePage = 0;
    uint16_t wUsage = 0;
    uint32_t dwDimension = 0;
    uint16_t wExponent = 0;
    uint16_t wReserved = 0;
};
static_assert(sizeof(DIDEVICEOBJECTINSTANCEA) == 316);
inline constexpr uint32_t kObjectInstanceSizeDx3 = 292;

// Axis, button and hat object types (dwType's low byte).
inline constexpr uint32_t DIDFT_ABSAXIS = 0x02, DIDFT_PSHBUTTON = 0x04, DIDFT_POV = 0x10;

}  // namespace platform::dinput
