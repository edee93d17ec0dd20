#include "ui/AccessibleAnnotation.h"

#include <oleacc.h>

namespace {

// Declared by oleacc.h, but defined only in libraries that not every tool set has; the values
// are the documented ones.
const GUID AnnotationServiceClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const GUID AnnotationServiceInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const GUID NameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
// UI Automation's LiveSetting, which the service takes for window controls from Windows 8 on.
const GUID LiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
const LONG AssertiveLiveSetting = 2;

}  // namespace

// The service is an apartment-threaded object; a thread that has joined another kind of apartment
// already can still use it, but must not leave an apartment it did not join.
TAccessibleAnnotation::TAccessibleAnnotation(HWND control)
    : Control(control), ComJoined(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {
    if (FAILED(CoCreateInstance(AnnotationServiceClass, nullptr, CLSCTX_INPROC_SERVER, AnnotationServiceInterface,
                                reinterpret_cast<void**>(&Services)))) {
        Services = nullptr;
    }
}

TAccessibleAnnotation::~TAccessibleAnnotation() {
    if (Services) {
        if (!SetProperties.empty()) {
            Services->ClearHwndProps(Control, OBJID_CLIENT, CHILDID_SELF, SetProperties.data(),
                                     static_cast<int>(SetProperties.size()));
        }
        Services->Release();
    }
    if (SUCCEEDED(ComJoined)) {
        CoUninitialize();
    }
}

bool TAccessibleAnnotation::SetName(const std::wstring& name) {
    if (!Services) {
        return false;
    }
    std::wstring text = name;
    return Remember(Services->SetHwndPropStr(Control, OBJID_CLIENT, CHILDID_SELF, NameProperty, text.data()),
                    NameProperty);
}

bool TAccessibleAnnotation::MarkAsAssertiveLiveRegion() {
    if (!Services) {
        return false;
    }
    VARIANT setting{};
    setting.vt = VT_I4;
    setting.lVal = AssertiveLiveSetting;
    return Remember(Services->SetHwndProp(Control, OBJID_CLIENT, CHILDID_SELF, LiveSettingProperty, setting),
                    LiveSettingProperty);
}

bool TAccessibleAnnotation::Remember(HRESULT result, const GUID& property) {
    if (FAILED(result)) {
        return false;
    }
    for (const GUID& set : SetProperties) {
        if (IsEqualGUID(set, property)) {
            return true;
        }
    }
    SetProperties.push_back(property);
    return true;
}
