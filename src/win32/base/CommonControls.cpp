#include "win32/base/CommonControls.h"

namespace hw {

namespace {

struct Subclassing {
    decltype(&::SetWindowSubclass) set = nullptr;
    decltype(&::RemoveWindowSubclass) remove = nullptr;
    decltype(&::DefSubclassProc) pass = nullptr;
};

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Version 6 by the manifest, already loaded by the control being subclassed; looked up once.
const Subclassing& Functions() {
    static const Subclassing functions = [] {
        Subclassing found;
        if (HMODULE module = LoadLibraryW(L"comctl32.dll")) {
            Find(module, "SetWindowSubclass", found.set);
            Find(module, "RemoveWindowSubclass", found.remove);
            Find(module, "DefSubclassProc", found.pass);
        }
        return found;
    }();
    return functions;
}

}  // namespace

BOOL SubclassControl(HWND control, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    if (Functions().set) return Functions().set(control, proc, id, data);
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
}

BOOL UnsubclassControl(HWND control, SUBCLASSPROC proc, UINT_PTR id) {
    return Functions().remove ? Functions().remove(control, proc, id) : FALSE;
}

LRESULT PassToControl(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Functions().pass ? Functions().pass(control, msg, wParam, lParam) : DefWindowProcW(control, msg, wParam, lParam);
}

}  // namespace hw
