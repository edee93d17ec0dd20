#include "windows/tests/AnnotationWatch.h"

#include <oleacc.h>

namespace {

const GUID ServiceClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const GUID ServiceInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
// After IUnknown's three, SetPropValue, SetPropServer, ClearProps and SetHwndProp.
const int SetHwndPropStrSlot = 7;

using TSetHwndPropStr = HRESULT(STDMETHODCALLTYPE*)(IAccPropServices*, HWND, DWORD, DWORD, MSAAPROPID, LPWSTR);

TAnnotationWatch* Watch = nullptr;
IAccPropServices* Service = nullptr;
TSetHwndPropStr Original = nullptr;

HRESULT STDMETHODCALLTYPE NoteName(IAccPropServices* self, HWND control, DWORD object, DWORD child,
                                   MSAAPROPID property, LPWSTR name) {
    const HRESULT answer = Original(self, control, object, child, property, name);
    Watch->Names[control] = {name, answer};
    return answer;
}

// Every instance of the service shares one read-only table of its functions.
void** FindSlot() { return *reinterpret_cast<void***>(Service) + SetHwndPropStrSlot; }

void ReplaceSlot(void* with) {
    DWORD protection = 0;
    VirtualProtect(FindSlot(), sizeof(void*), PAGE_READWRITE, &protection);
    *FindSlot() = with;
    VirtualProtect(FindSlot(), sizeof(void*), protection, &protection);
}

}  // namespace

TAnnotationWatch::TAnnotationWatch() : JoinedCom(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {
    if (SUCCEEDED(CoCreateInstance(ServiceClass, nullptr, CLSCTX_INPROC_SERVER, ServiceInterface,
                                   reinterpret_cast<void**>(&Service)))) {
        Watch = this;
        Original = reinterpret_cast<TSetHwndPropStr>(*FindSlot());
        ReplaceSlot(reinterpret_cast<void*>(&NoteName));
    }
}

TAnnotationWatch::~TAnnotationWatch() {
    if (Watch) {
        ReplaceSlot(reinterpret_cast<void*>(Original));
        Service->Release();
        Watch = nullptr;
    }
    if (SUCCEEDED(JoinedCom)) {
        CoUninitialize();
    }
}
