#include "win32/base/ListRowTips.h"

#include "win32/base/CommonControls.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

constexpr UINT_PTR kSubclassId = 0x7469;  // "ti"
constexpr UINT_PTR kToolId = 1;
constexpr int kTextMargin = 4;  // pixels the list keeps beside a row's text

TOOLINFOW Tool(HWND list) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = list;
    tool.uId = kToolId;
    return tool;
}

}  // namespace

ListRowTips::ListRowTips(HWND list, TipFor tipFor) : list_(list), tipFor_(std::move(tipFor)) {
    if (!list_) return;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                           GetAncestor(list_, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
    TOOLINFOW tool = Tool(list_);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Long titles wrap at half the screen's width.
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
    if (!SubclassControl(list_, OnListMessage, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(tip_);
        tip_ = nullptr;
    }
}

ListRowTips::~ListRowTips() { Detach(); }

void ListRowTips::Detach() {
    if (!tip_) return;
    UnsubclassControl(list_, OnListMessage, kSubclassId);
    DestroyWindow(tip_);
    tip_ = nullptr;
}

void ListRowTips::Forget() {
    if (!tip_) return;
    row_ = -1;
    SendMessageW(tip_, TTM_POP, 0, 0);
    SetTool(RECT{}, std::wstring());
}

void ListRowTips::SetTool(const RECT& rect, const std::wstring& text) {
    text_ = text;
    TOOLINFOW tool = Tool(list_);
    tool.rect = rect;
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = text_.data();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

int ListRowTips::TextWidth(int row) const {
    LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length <= 0) return 0;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    length = SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    if (length <= 0) return 0;
    HDC dc = GetDC(list_);
    if (!dc) return 0;
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(list_, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(length), &size);
    if (old) SelectObject(dc, old);
    ReleaseDC(list_, dc);
    return size.cx;
}

void ListRowTips::Track(POINT point) {
    LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    int row = HIWORD(hit) ? -1 : LOWORD(hit);
    RECT rect{};
    if (row >= 0 && (SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) ==
                         LB_ERR ||
                     !PtInRect(&rect, point)))
        row = -1;
    if (row == row_) return;
    row_ = row;
    Text tip;
    if (row >= 0 && tipFor_)
        tip = tipFor_(static_cast<std::size_t>(row), TextWidth(row), rect.right - rect.left - kTextMargin);
    SetTool(tip.empty() ? RECT{} : rect, ToWide(tip));
}

LRESULT CALLBACK ListRowTips::OnListMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    auto* tips = reinterpret_cast<ListRowTips*>(self);
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
        if (msg == WM_MOUSEMOVE)
            tips->Track(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        MSG relayed{};
        relayed.hwnd = list;
        relayed.message = msg;
        relayed.wParam = wParam;
        relayed.lParam = lParam;
        SendMessageW(tips->tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        break;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
        tips->Forget();  // the rows move under the mouse
        break;
    case WM_NCDESTROY:
        tips->Detach();
        break;
    default:
        break;
    }
    return PassToControl(list, msg, wParam, lParam);
}

}  // namespace hw
