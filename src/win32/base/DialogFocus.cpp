#include "win32/base/DialogFocus.h"

namespace hw {

std::optional<LRESULT> AnswerDefaultButton(HWND dialog, UINT msg, int defaultId) {
    if (msg != DM_GETDEFID) return std::nullopt;
    HWND focus = GetFocus();
    if (focus && GetParent(focus) == dialog &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    return defaultId ? MAKELRESULT(defaultId, DC_HASDEFID) : 0;
}

std::optional<LRESULT> DialogFocus::Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (std::optional<LRESULT> answer = AnswerDefaultButton(dialog, msg, 0)) return answer;
    switch (msg) {
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
