#include "platform/win32/dinput/dinput_device.h"

#include <algorithm>
#include <cstring>

namespace platform::dinput {
namespace {

template <std::size_t N>
void copyName(std::array<char, N>& target, const std::string& name)
{
    target.fill('\0');
    const std::size_t n = std::min(name.size(), N - 1);
    std::memcpy(target.data(), name.data(), n);
}

}  // namespace

uint32_t propertyRecordSize(DIPROP property)
{
    switch (property) {
    case DIPROP::RANGE: return sizeof(DIPROPRANGE);
    case DIPROP::BUFFERSIZE:
    case DIPROP::AXISMODE:
    case DIPROP::GRANULARITY:
    case DIPROP::DEADZONE:
    case DIPROP::SATURATION:
    case DIPROP::FFGAIN:
    case DIPROP::FFLOAD:
    case DIPROP::AUTOCENTER:
    case DIPROP::CALIBRATIONMODE: return sizeof(DIPROPDWORD);
    }
    return 0;
}

DeviceBase::DeviceBase(Backend& backend, uint32_t runtimeVersion, const GUID& instance)
    : input_(backend.input()),
      runtimeVersion_(runtimeVersion),
      instance_(instance),
      // A device nobody set a level on reads in the background, as DirectInput's do.
      cooperation_(DISCL_NONEXCLUSIVE | DISCL_BACKGROUND)
{
}

bool DeviceBase::supports(const GUID& iid) const
{
    if (iid == IID_IDirectInputDeviceA) return true;
    if (iid == IID_IDirectInputDevice2A) return runtimeVersion_ >= DIRECTINPUT_VERSION_5;
    if (iid == IID_IDirectInputDevice7A) return runtimeVersion_ >= DIRECTINPUT_VERSION_7;
    return false;
}

bool DeviceBase::mayAcquire() const
{
    if (!(cooperation_ & DISCL_FOREGROUND)) return true;
    return window_ && window_->hasFocus();
}

HRESULT DeviceBase::Acquire()
{
    if (!format_) return DIERR_INVALIDPARAM;
    if (!mayAcquire()) return DIERR_OTHERAPPHASPRIO;
    if (!connected()) return DIERR_INPUTLOST;
    if (acquired_) return DI_NOEFFECT;
    acquired_ = true;
    onAcquire();
    return DI_OK;
}

HRESULT DeviceBase::Unacquire()
{
    if (!acquired_) return DI_NOEFFECT;
    acquired_ = false;
    return DI_OK;
}

HRESULT DeviceBase::checkAcquired()
{
    if (!acquired_) return DIERR_NOTACQUIRED;
    if (!mayAcquire() || !connected()) {
        acquired_ = false;
        return DIERR_INPUTLOST;
    }
    return DI_OK;
}

HRESULT DeviceBase::GetDeviceState(uint32_t size, void* data)
{
    if (!data || !format_ || size != format_->dwDataSize) return DIERR_INVALIDPARAM;
    const HRESULT r = checkAcquired();
    if (failed(r)) return r;
    readState(data);
    return DI_OK;
}

HRESULT DeviceBase::Poll()
{
    const HRESULT r = checkAcquired();
    if (failed(r)) return r;
    return polled() ? DI_OK : DI_NOEFFECT;
}

HRESULT DeviceBase::SetDataFormat(const DIDATAFORMAT* format)
{
    if (acquired_) return DIERR_ACQUIRED;
    if (!format || format->kind != formatKind()) return DIERR_INVALIDPARAM;
    format_ = *format;
    return DI_OK;
}

HRESULT DeviceBase::SetCooperativeLevel(Window* window, uint32_t flags)
{
    if (acquired_) return DIERR_ACQUIRED;
    const bool exclusive = flags & DISCL_EXCLUSIVE, shared = flags & DISCL_NONEXCLUSIVE;
    const bool foreground = flags & DISCL_FOREGROUND, background = flags & DISCL_BACKGROUND;
    if (exclusive == shared || foreground == background) return DIERR_INVALIDPARAM;
    if (flags & ~(DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_FOREGROUND | DISCL_BACKGROUND))
        return DIERR_INVALIDPARAM;
    if (foreground && !window) return DIERR_INVALIDPARAM;
    window_ = window;
    cooperation_ = flags;
    return DI_OK;
}

HRESULT DeviceBase::GetObjectInfo(DIDEVICEOBJECTINSTANCEA* info, uint32_t object, uint32_t how)
{
    if (!info || (info->dwSize != sizeof(DIDEVICEOBJECTINSTANCEA) && info->dwSize != kObjectInstanceSizeDx3))
        return DIERR_INVALIDPARAM;
    if (how != DIPH_BYOFFSET) return DIERR_UNSUPPORTED;
    // Offsets only mean something once a data format says what lies where.
    if (!format_) return DIERR_INVALIDPARAM;
    const auto found = objectAt(object);
    if (!found) return DIERR_OBJECTNOTFOUND;
    const uint32_t size = info->dwSize;
    *info = DIDEVICEOBJECTINSTANCEA{};
    info->dwSize = size;
    info->dwOfs = object;
    info->dwType = found->type;
    copyName(info->tszName, found->name);
    return DI_OK;
}

HRESULT DeviceBase::GetDeviceInfo(DIDEVICEINSTANCEA* info)
{
    if (!info || info->dwSize != sizeof(DIDEVICEINSTANCEA)) return DIERR_INVALIDPARAM;
    *info = DIDEVICEINSTANCEA{};
    info->dwSize = sizeof(DIDEVICEINSTANCEA);
    info->guidInstance = instance_;
    info->guidProduct = productGuid();
    info->dwDevType = deviceType();
    copyName(info->tszInstanceName, instanceName());
    copyName(info->tszProductName, productName());
    return DI_OK;
}

HRESULT DeviceBase::resolveTarget(const DIPROPHEADER& header, std::optional<uint32_t>& offset) const
{
    offset.reset();
    switch (header.dwHow) {
    case DIPH_DEVICE:
        return header.dwObj == 0 ? DI_OK : DIERR_INVALIDPARAM;
    case DIPH_BYOFFSET:
        if (!format_) return DIERR_INVALIDPARAM;
        if (!objectAt(header.dwObj)) return DIERR_OBJECTNOTFOUND;
        offset = header.dwObj;
        return DI_OK;
    default: return DIERR_UNSUPPORTED;
    }
}

HRESULT DeviceBase::SetProperty(DIPROP property, const DIPROPHEADER* header)
{
    if (!header || header->dwHeaderSize != sizeof(DIPROPHEADER) || header->dwSize != propertyRecordSize(property))
        return DIERR_INVALIDPARAM;
    std::optional<uint32_t> offset;
    const HRESULT r = resolveTarget(*header, offset);
    if (failed(r)) return r;
    return setProperty(property, offset, *header);
}

HRESULT DeviceBase::GetProperty(DIPROP property, DIPROPHEADER* header)
{
    if (!header || header->dwHeaderSize != sizeof(DIPROPHEADER) || header->dwSize != propertyRecordSize(property))
        return DIERR_INVALIDPARAM;
    std::optional<uint32_t> offset;
    const HRESULT r = resolveTarget(*header, offset);
    if (failed(r)) return r;
    return getProperty(property, offset, *header);
}

HRESULT DeviceBase::setProperty(DIPROP, std::optional<uint32_t>, const DIPROPHEADER&) { return DIERR_UNSUPPORTED; }

HRESULT DeviceBase::getProperty(DIPROP, std::optional<uint32_t>, DIPROPHEADER&) { return DIERR_UNSUPPORTED; }

}  // namespace platform::dinput
