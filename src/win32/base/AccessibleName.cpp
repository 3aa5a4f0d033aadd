#include "win32/base/AccessibleName.h"

#include "win32/base/CommonControls.h"

#include <initguid.h>
#include <oleacc.h>

namespace hw {

namespace {

// Drops the control's annotations when its window goes.
LRESULT CALLBACK ClearOnDestroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        IAccPropServices* services = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                       reinterpret_cast<void**>(&services)))) {
            MSAAPROPID name = PROPID_ACC_NAME;
            services->ClearHwndProps(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
            services->Release();
        }
        UnsubclassControl(hwnd, ClearOnDestroy, id);
    }
    return PassToControl(hwnd, msg, wParam, lParam);
}

}  // namespace

void SetAccessibleName(HWND control, const wchar_t* name) {
    IAccPropServices* services = nullptr;
    if (!control || FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return;
    if (SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                           name)))
        SubclassControl(control, ClearOnDestroy, 1, 0);
    services->Release();
}

}  // namespace hw
