#include "win32/base/DialogFocus.h"

namespace hw {

namespace {

bool IsPushButton(HWND h) {
    return (SendMessageW(h, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

std::optional<LRESULT> DialogFocus::Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case DM_GETDEFID: {
        HWND focus = GetFocus();
        if (focus && GetParent(focus) == dialog && IsPushButton(focus))
            return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(dialog, focus)) last_ = focus;
        } else if (last_ && IsWindow(last_)) {
            SetFocus(last_);
        }
        return 0;
    case WM_NEXTDLGCTL:
        SetFocus(lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0));
        return 0;
    default:
        return std::nullopt;
    }
}

}  // namespace hw
