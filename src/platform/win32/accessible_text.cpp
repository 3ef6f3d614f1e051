// Names and descriptions for screen readers through the system's dynamic annotation: the owner-drawn
// cell buttons keep their texts ("■") and say their coordinates and content. The same annotation
// makes the announcements' control a live region.

#include <windows.h>
// after windows.h, which they need; initguid.h defines the annotation's GUIDs here
#include <initguid.h>
#include <oleacc.h>

#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

// UI Automation's LiveSetting property, which MinGW's headers do not name, and its value Polite:
// said once the screen reader has finished what it is saying.
constexpr MSAAPROPID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

// The annotation service of this thread, made once; null where the system has none.
IAccPropServices* propertyServices() {
    static IAccPropServices* const services = [] {
        IAccPropServices* made = nullptr;
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) ||
            FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&made)))) {
            return static_cast<IAccPropServices*>(nullptr);
        }
        return made;
    }();
    return services;
}

void annotate(IAccPropServices& services, HWND control, const MSAAPROPID& property, std::string_view text) {
    if (text.empty()) {
        services.ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, &property, 1);
    } else {
        services.SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, property, win32::widen(text).c_str());
    }
}

}  // namespace

void annotateAccessibleText(HWND control, std::string_view name, std::string_view description) {
    if (IAccPropServices* services = propertyServices()) {
        annotate(*services, control, PROPID_ACC_NAME, name);
        annotate(*services, control, PROPID_ACC_DESCRIPTION, description);
    }
}

void markLiveRegion(HWND control) {
    if (IAccPropServices* services = propertyServices()) {
        VARIANT polite;
        VariantInit(&polite);
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
    }
}

}  // namespace kalvenor::platform
