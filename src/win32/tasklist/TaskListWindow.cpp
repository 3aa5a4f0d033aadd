#include "win32/tasklist/TaskListWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "win32/base/AccessibleName.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/Dpi.h"
#include "win32/base/Placement.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"

namespace hw {

namespace {

// Control identifiers: Switch To and Cancel answer Enter and Esc as IDOK and IDCANCEL.
enum : int {
    kIdSwitchTo = IDOK,
    kIdCancel = IDCANCEL,
    kIdEndTask = 10,
    kIdHelp,
    kIdList,
};
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

// Layout of the client area in twips: the list above a row of four buttons.
constexpr int kMargin = 120;
constexpr int kButtonWidth = 1125;
constexpr int kButtonHeight = 345;
constexpr int kListWidth = 4 * kButtonWidth + 3 * kMargin;
constexpr int kListHeight = 2310;
constexpr int kButtonTop = kMargin + kListHeight + kMargin;
constexpr int kClientWidth = kMargin + kListWidth + kMargin;
constexpr int kClientHeight = kButtonTop + kButtonHeight + kMargin;

}  // namespace

TaskListWindow::TaskListWindow(HiddenWindowActions& ledger, Desktop& desktop, ClosedHandler closed)
    : model_(ledger, desktop), closed_(std::move(closed)) {}

TaskListWindow::~TaskListWindow() {
    // Destroy while this object is whole, so the last messages reach it.
    if (Hwnd()) DestroyWindow(Hwnd());
}

bool TaskListWindow::Create() {
    layout_.SetDpi(MonitorDpi(nullptr));
    RECT r = layout_.CentredWindow(kClientWidth, kClientHeight, kStyle, kExStyle);
    if (!Window::Create(kClassName, L"Hidewell Task List", kStyle, kExStyle, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, nullptr, ProgramIcon()))
        return false;
    CreateControls();
    model_.Load();
    ShowRows(true);
    SetTimer(Hwnd(), kRefreshTimer, kRefreshMs, nullptr);
    BringToFront();
    return true;
}

void TaskListWindow::CreateControls() {
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
        return layout_.Add(Hwnd(), cls, text, WS_TABSTOP | style, id, x, y, w, h);
    };
    list_ = make(WC_LISTBOXW, L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdList, kMargin,
                 kMargin, kListWidth, kListHeight);
    SetAccessibleName(list_, L"Hidewell Task List");  // the list has no label of its own
    struct ButtonSpec {
        const wchar_t* caption;
        int id;
        DWORD style;
    };
    const ButtonSpec buttons[] = {
        {L"&Switch To", kIdSwitchTo, BS_DEFPUSHBUTTON},
        {L"&End Task", kIdEndTask, BS_PUSHBUTTON},
        {L"Cance&l", kIdCancel, BS_PUSHBUTTON},
        {L"&Help", kIdHelp, BS_PUSHBUTTON},
    };
    int x = kMargin;
    for (const ButtonSpec& b : buttons) {
        make(WC_BUTTONW, b.caption, b.style, b.id, x, kButtonTop, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kMargin;
    }
}

void TaskListWindow::BringToFront() {
    ShowWindow(Hwnd(), IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOW);
    if (GetActiveWindow() == Hwnd()) {
        Activate();
    } else {
        activatePending_ = true;
        SetForegroundWindow(Hwnd());
    }
}

void TaskListWindow::Activate() {
    activatePending_ = false;
    if (!shown_.empty()) {
        SendMessageW(list_, LB_SETCURSEL, 0, 0);
        model_.Select(0);
    }
    SetFocus(list_);
}

void TaskListWindow::TakeSelection() { model_.Select(static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0))); }

void TaskListWindow::Refresh() {
    TakeSelection();
    ShowRows(model_.Refresh());
}

void TaskListWindow::EnableActions() {
    EnableWindow(GetDlgItem(Hwnd(), kIdSwitchTo), model_.CanAct());
    EnableWindow(GetDlgItem(Hwnd(), kIdEndTask), model_.CanAct());
}

void TaskListWindow::ShowRows(bool rebuilt) {
    const std::vector<Text>& rows = model_.Rows();
    int selection = model_.Selection();
    if (!rebuilt && rows == shown_ && SendMessageW(list_, LB_GETCURSEL, 0, 0) == selection) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    if (rebuilt) {
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const Text& row : rows)
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(row).c_str()));
    } else {
        LRESULT top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (rows[k] == shown_[k]) continue;
            SendMessageW(list_, LB_DELETESTRING, k, 0);
            SendMessageW(list_, LB_INSERTSTRING, k, reinterpret_cast<LPARAM>(ToWide(rows[k]).c_str()));
        }
        SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    }
    shown_ = rows;
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    EnableActions();
}

void TaskListWindow::Close() {
    // The handler may delete this object: nothing of it is used after the call.
    ClosedHandler closed = closed_;
    DestroyWindow(Hwnd());
    if (closed) closed();
}

LRESULT TaskListWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kIdSwitchTo:
            TakeSelection();
            model_.SwitchTo();
            return 0;
        case kIdEndTask:
            TakeSelection();
            model_.EndTask();
            return 0;
        case kIdCancel:
            Close();
            return 0;
        case kIdHelp:
            ShowHelp(Hwnd(), HelpContext::TaskList);
            return 0;
        case kIdList:
            if (HIWORD(wParam) == LBN_DBLCLK) {
                TakeSelection();
                model_.SwitchTo();
            }
            return 0;
        default:
            break;
        }
        break;
    case DM_GETDEFID: return *AnswerDefaultButton(Hwnd(), msg, kIdSwitchTo);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam)) break;
        // Coming from another of Hidewell's windows, or shown anew: first row, focus on the list.
        if (activatePending_ || (lParam && GetWindowThreadProcessId(reinterpret_cast<HWND>(lParam), nullptr) ==
                                               GetCurrentThreadId()))
            Activate();
        else
            SetFocus(list_);
        return 0;
    case WM_DPICHANGED:
        layout_.FollowDpiChange(Hwnd(), wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer) {
            Refresh();
            return 0;
        }
        break;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
