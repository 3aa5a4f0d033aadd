#include "win32/ui/HotkeyField.h"

#include "settings/Hotkey.h"
#include "settings/HotkeyClash.h"
#include "ui/OptionsModel.h"

namespace hw {

namespace {

// The field's font, kept in its window's extra bytes.
constexpr int kFontSlot = 0;
// Marks the key Hidewell itself sends after a swallowed Win combination.
constexpr ULONG_PTR kOwnKeyMark = 0x48574B46;
// A virtual key with no meaning: pressed after Win+key, so releasing Win opens no Start menu.
constexpr WORD kNoMeaningKey = 0xFF;

void Paint(HWND h) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(h, &ps);
    RECT r{};
    GetClientRect(h, &r);
    FillRect(dc, &r, GetSysColorBrush(IsWindowEnabled(h) ? COLOR_WINDOW : COLOR_BTNFACE));
    wchar_t text[64] = {};
    GetWindowTextW(h, text, static_cast<int>(std::size(text)));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrW(h, kFontSlot)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT inner = r;
    InflateRect(&inner, -3, -1);
    DrawTextW(dc, text, -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (GetFocus() == h) {
        InflateRect(&r, -1, -1);
        DrawFocusRect(dc, &r);
    }
    SelectObject(dc, old);
    EndPaint(h, &ps);
}

LRESULT CALLBACK FieldProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: Paint(h); return 0;
    case WM_SETFONT:
        SetWindowLongPtrW(h, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return GetWindowLongPtrW(h, kFontSlot);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(h, msg, wParam, lParam);
        InvalidateRect(h, nullptr, TRUE);
        return r;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(h, nullptr, TRUE); return 0;
    case WM_LBUTTONDOWN: SetFocus(h); return 0;
    // The dialog reads the keys; characters have no use here.
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR:
    case WM_SYSCHAR: return 0;
    default: return DefWindowProcW(h, msg, wParam, lParam);
    }
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code != HC_ACTION || (wParam != WM_KEYDOWN && wParam != WM_SYSKEYDOWN) || key->dwExtraInfo == kOwnKeyMark)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    // The hook runs on the dialog's thread: its focus is this thread's.
    HWND focus = GetFocus();
    HWND dialog = focus ? GetAncestor(focus, GA_ROOT) : nullptr;
    const std::uint8_t modifiers = ModifiersHeld(true);
    const Hotkey pressed{modifiers, static_cast<std::uint8_t>(key->vkCode)};
    // Windows' own combinations without Win (Alt+Tab) keep working; the field hears of them
    // as they come.
    if (!IsHotkeyField(focus) || GetForegroundWindow() != dialog || key->vkCode > 0xFE ||
        ClassifyFieldKey(pressed.key, modifiers) != FieldKey::Combination ||
        (modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyWin)) == 0 ||
        (ConflictOf(pressed).clash == HotkeyClash::ReservedByWindows && !pressed.Has(kHotkeyWin)))
        return CallNextHookEx(nullptr, code, wParam, lParam);
    PostMessageW(dialog, FieldKeyboardHook::kCombinationMessage, key->vkCode, modifiers);
    if (modifiers & kHotkeyWin) {
        INPUT press[2] = {};
        for (INPUT& in : press) {
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = kNoMeaningKey;
            in.ki.dwExtraInfo = kOwnKeyMark;
        }
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, press, sizeof(INPUT));
    }
    return 1;  // taken: neither the program that holds it nor the field's window sees it
}

}  // namespace

bool RegisterHotkeyFieldClass() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(instance, kHotkeyFieldClass, &wc)) return true;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &FieldProc;
    wc.hInstance = instance;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    wc.lpszClassName = kHotkeyFieldClass;
    return RegisterClassExW(&wc) != 0;
}

bool IsHotkeyField(HWND h) {
    wchar_t name[32] = {};
    return h && GetClassNameW(h, name, static_cast<int>(std::size(name))) && lstrcmpW(name, kHotkeyFieldClass) == 0;
}

std::uint8_t ModifiersHeld(bool async) {
    auto down = [async](int vk) { return (async ? GetAsyncKeyState(vk) : GetKeyState(vk)) < 0; };
    return static_cast<std::uint8_t>((down(VK_CONTROL) ? kHotkeyCtrl : 0) | (down(VK_MENU) ? kHotkeyAlt : 0) |
                                     (down(VK_SHIFT) ? kHotkeyShift : 0) |
                                     (down(VK_LWIN) || down(VK_RWIN) ? kHotkeyWin : 0));
}

FieldKeyboardHook::FieldKeyboardHook() : hook_(SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook, GetModuleHandleW(nullptr), 0)) {}

FieldKeyboardHook::~FieldKeyboardHook() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

}  // namespace hw
