#include "win32/date/DateConfigWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "win32/base/Controls.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/Dpi.h"
#include "win32/base/Placement.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"

namespace hw {

namespace {

// Ok and Cancel answer Enter and Esc as IDOK and IDCANCEL.
enum : int {
    kIdOk = IDOK,
    kIdCancel = IDCANCEL,
    kIdHelp = 10,
    kIdFrame,
    kIdUser,
    kIdMedium,
    kIdShort,
    kIdFormat,
};

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 4470;
constexpr int kClientHeight = 1770;

// The option buttons and the pattern box sit in the frame (at 75, 30); the option buttons
// one a row.
constexpr int kOptionTop = 315, kOptionRow = 285;
const ControlSpec kControls[] = {
    {kIdFrame, WC_BUTTONW, L"On Double Click", BS_GROUPBOX, 75, 30, 4335, 1230},
    {kIdUser, WC_BUTTONW, L"User : ", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 195, kOptionTop, 2620, 240},
    {kIdMedium, WC_BUTTONW, L"Medium Date", BS_AUTORADIOBUTTON, 195, kOptionTop + kOptionRow, 2580, 240},
    {kIdShort, WC_BUTTONW, L"Short Date", BS_AUTORADIOBUTTON, 195, kOptionTop + 2 * kOptionRow, 2580, 240},
    {kIdFormat, WC_EDITW, L"", WS_BORDER | ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP, 2850, 300, 1425, 285},
    {kIdOk, WC_BUTTONW, L"&Ok", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 75, 1380, 1290, 345},
    {kIdHelp, WC_BUTTONW, L"&Help", BS_PUSHBUTTON | WS_TABSTOP, 1440, 1380, 1290, 345},
    {kIdCancel, WC_BUTTONW, L"Cance&l", BS_PUSHBUTTON | WS_TABSTOP, 3120, 1365, 1290, 345},
};

const int kOptionIds[] = {kIdUser, kIdMedium, kIdShort};

}  // namespace

DateConfigWindow::DateConfigWindow(DateConfigModel model, Clock& clock, DateNames& names, FinishedHandler finished)
    : model_(std::move(model)), clock_(clock), names_(names), finished_(std::move(finished)) {}

DateConfigWindow::~DateConfigWindow() {
    if (Hwnd()) DestroyWindow(Hwnd());
}

bool DateConfigWindow::Create() {
    layout_.SetDpi(MonitorDpi(nullptr));
    RECT r = layout_.CentredWindow(kClientWidth, kClientHeight, kStyle, kExStyle);
    if (!Window::Create(kClassName, ToWide(kDateConfigCaption).c_str(), kStyle, kExStyle, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, nullptr, ProgramIcon()))
        return false;
    for (const ControlSpec& c : kControls) layout_.Add(Hwnd(), c);
    ShowModel();
    BringToFront();
    return true;
}

void DateConfigWindow::ShowModel() {
    const DateSettings& s = model_.Settings();
    SetDlgItemTextW(Hwnd(), kIdFormat, ToWide(s.format).c_str());  // runs OnFormatChange with the same text
    CheckRadioButton(Hwnd(), kIdUser, kIdShort, kOptionIds[static_cast<int>(s.choice)]);
    ShowWindow(GetDlgItem(Hwnd(), kIdFormat), model_.FormatVisible() ? SW_SHOW : SW_HIDE);
    ShowCaptions();
}

void DateConfigWindow::ShowCaptions() {
    LocalTime now = clock_.Now();
    SetDlgItemTextW(Hwnd(), kIdUser, ToWide(model_.UserCaption(now, names_)).c_str());
    SetDlgItemTextW(Hwnd(), kIdMedium, ToWide(DateConfigModel::MediumCaption(now, names_)).c_str());
    SetDlgItemTextW(Hwnd(), kIdShort, ToWide(DateConfigModel::ShortCaption(now, names_)).c_str());
}

void DateConfigWindow::BringToFront() {
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    ShowCaptions();
}

void DateConfigWindow::Finish(bool ok) {
    if (finishing_) return;
    finishing_ = true;
    DateConfigModel::Result result = model_.Finish(ok);
    // The handler may delete this object: nothing of it is used after the call.
    FinishedHandler finished = finished_;
    DestroyWindow(Hwnd());
    if (finished) finished(result);
}

LRESULT DateConfigWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        switch (id) {
        case kIdOk: Finish(true); return 0;
        case kIdCancel: Finish(false); return 0;
        case kIdHelp: ShowHelp(Hwnd(), HelpContext::DateAddOn); return 0;
        case kIdUser:
        case kIdMedium:
        case kIdShort:
            if (code == BN_CLICKED) {
                model_.OnChoose(static_cast<DateChoice>(id - kIdUser));
                ShowWindow(GetDlgItem(Hwnd(), kIdFormat), model_.FormatVisible() ? SW_SHOW : SW_HIDE);
            }
            return 0;
        case kIdFormat:
            if (code == EN_CHANGE) {
                model_.OnFormatChange(WindowText(GetDlgItem(Hwnd(), kIdFormat)));
                ShowCaptions();
            }
            return 0;
        default: break;
        }
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) ShowCaptions();  // today may have changed
        break;
    case DM_GETDEFID: return *AnswerDefaultButton(Hwnd(), msg, kIdOk);
    case WM_DPICHANGED:
        layout_.FollowDpiChange(Hwnd(), wParam, lParam);
        return 0;
    case WM_CLOSE: Finish(false); return 0;
    default: break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
