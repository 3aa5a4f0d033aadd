#include "win32/help/HelpWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "ui/HelpLineBreak.h"
#include "win32/base/Placement.h"
#include "win32/base/Dpi.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

enum : int { kIdTopics = 10, kIdText };

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

// Layout in twips: a margin round the topic list and the text beside it.
constexpr int kMargin = 120;
constexpr int kListWidth = 2700;
constexpr int kClientWidth = 10200;
constexpr int kClientHeight = 7200;

// The edit control breaks lines at "\r\n" only.
std::wstring WithCrLf(const Text& text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (char16_t c : text) {
        if (c == u'\n') out.push_back(L'\r');
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

// Lines of the text break at spaces only: inline code keeps together.
int CALLBACK OnWordBreak(LPWSTR text, int at, int length, int code) {
    if (!text || length < 0) return 0;
    WordBreakQuery query = code == WB_LEFT    ? WordBreakQuery::Left
                           : code == WB_RIGHT ? WordBreakQuery::Right
                                              : WordBreakQuery::IsDelimiter;
    return HelpWordBreak(std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length)),
                         at, query);
}

}  // namespace

HWND HelpWindow::Find() {
    for (HWND h = FindWindowExW(nullptr, nullptr, kClassName, nullptr); h;
         h = FindWindowExW(nullptr, h, kClassName, nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == GetCurrentProcessId()) return h;
    }
    return nullptr;
}

HelpWindow* HelpWindow::Open(std::vector<HelpTopic> topics, HelpContext context) {
    auto* window = new HelpWindow(std::move(topics));
    if (!window->Create()) {
        // A window that was made deletes its object when it goes; otherwise it is ours to delete.
        if (window->Hwnd())
            DestroyWindow(window->Hwnd());
        else
            delete window;
        return nullptr;
    }
    SendMessageW(window->Hwnd(), kOpenMessage, static_cast<WPARAM>(context), 0);
    return window;
}

bool HelpWindow::Create() {
    // One DPI for the size and the layout: the monitor's the window opens on.
    layout_.SetDpi(MonitorDpi(nullptr));
    RECT r = layout_.CentredWindow(kClientWidth, kClientHeight, kStyle, kExStyle);
    if (!Window::Create(kClassName, L"Hidewell Help", kStyle, kExStyle, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, nullptr, ProgramIcon()))
        return false;
    CreateControls();
    return list_ && text_;
}

void HelpWindow::CreateControls() {
    // Made without a place: Layout places them for the window's size.
    auto make = [&](const wchar_t* cls, DWORD style, int id) {
        return layout_.Add(Hwnd(), cls, L"", WS_TABSTOP | WS_VSCROLL | style, id, 0, 0, 0, 0, WS_EX_CLIENTEDGE);
    };
    list_ = make(WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdTopics);
    text_ = make(WC_EDITW, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kIdText);
    SendMessageW(text_, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&OnWordBreak));
    for (const HelpTopic& topic : book_.Topics())
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(topic.title).c_str()));
    Layout();
}

void HelpWindow::Layout() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    int margin = layout_.Px(kMargin), listWidth = layout_.Px(kListWidth);
    int height = client.bottom - 2 * margin;
    MoveWindow(list_, margin, margin, listWidth, height, TRUE);
    int textLeft = 2 * margin + listWidth;
    MoveWindow(text_, textLeft, margin, client.right - textLeft - margin, height, TRUE);
}

void HelpWindow::ShowTopic() {
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(book_.Selection()), 0);
    Text text = book_.Topics().empty() ? Text(u"The help text is missing from this copy of Hidewell.")
                                       : book_.CurrentText();
    SetWindowTextW(text_, WithCrLf(text).c_str());
}

void HelpWindow::BringToFront() {
    ShowWindow(Hwnd(), IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Hwnd());
    SetFocus(list_);
}

LRESULT HelpWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kOpenMessage:
        book_.Open(static_cast<HelpContext>(wParam));
        ShowTopic();
        BringToFront();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kIdTopics && HIWORD(wParam) == LBN_SELCHANGE) {
            book_.Select(static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0)));
            ShowTopic();
        } else if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(Hwnd());  // Esc
        }
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {layout_.Px(kListWidth * 2), layout_.Px(kListWidth)};
        return 0;
    }
    case WM_DPICHANGED: {
        layout_.FollowDpiChange(Hwnd(), wParam, lParam);
        Layout();
        return 0;
    }
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
