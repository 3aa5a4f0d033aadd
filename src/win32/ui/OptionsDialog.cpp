// The options dialog's window: four check boxes and the response-time scroll bar in a frame,
// the three hotkeys, each with a way to clear it, in another, with OK, Help and Cancel. It
// edits a copy; only OK hands it back.
#include "win32/ui/OptionsDialog.h"

#include <commctrl.h>

#include "settings/SettingsStore.h"
#include "ui/OptionsModel.h"
#include "win32/base/Twips.h"
#include "win32/base/Dpi.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/Placement.h"
#include "win32/base/WinText.h"
#include "win32/base/Window.h"
#include "win32/help/Help.h"
#include "win32/ui/DialogLayout.h"
#include "win32/base/ModalLoop.h"

namespace hw {

namespace {

enum : int {
    kIdCancel = IDCANCEL,
    kIdOk = 10,
    kIdHelp,
    kIdSingleClick,
    kIdHideDate,
    kIdHideOwn,
    kIdStartWithWindows,
    kIdTimeScroll,
    kIdTimeLabel,
    kIdFrame,
    kIdHotkeyFrame,
    kIdHotkeyLabel,                            // one per hotkey, then
    kIdHotkey = kIdHotkeyLabel + 3,            // the hot-key controls, then
    kIdClearHotkey = kIdHotkey + 3,            // their Clear buttons
    kIdSettingsPlace = kIdClearHotkey + 3,
};

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Twips: the hotkeys' frame sits below the options' frame, and the buttons below both.
constexpr int kHotkeyTop = 2175, kHotkeyRow = 375;
constexpr int kButtonTop = kHotkeyTop + 1335 + 105;
constexpr int kClientWidth = 3975;
// Below the buttons, one line says where the settings are kept.
constexpr int kPlaceTop = kButtonTop + 450;
constexpr int kClientHeight = kPlaceTop + 330;
const wchar_t* const kHotkeyLabels[] = {L"Hide the &window", L"&Bring back the last", L"Open the &menu"};

// The hot-key control's value and a hotkey's modifiers and key.
Hotkey FromControl(LRESULT value) {
    const BYTE flags = HIBYTE(LOWORD(value));
    Hotkey h;
    h.key = LOBYTE(LOWORD(value));
    h.modifiers = static_cast<std::uint8_t>(((flags & HOTKEYF_CONTROL) ? kHotkeyCtrl : 0) |
                                            ((flags & HOTKEYF_ALT) ? kHotkeyAlt : 0) |
                                            ((flags & HOTKEYF_SHIFT) ? kHotkeyShift : 0));
    return h;
}

WPARAM ToControl(const Hotkey& h) {
    const BYTE flags = static_cast<BYTE>((h.Has(kHotkeyCtrl) ? HOTKEYF_CONTROL : 0) | (h.Has(kHotkeyAlt) ? HOTKEYF_ALT : 0) |
                                         (h.Has(kHotkeyShift) ? HOTKEYF_SHIFT : 0));
    return MAKEWORD(h.key, flags);
}


class OptionsWindow : public Window {
public:
    OptionsWindow(OptionsModel& model, OptionsTarget& target) : model_(model), target_(target) {}
    ~OptionsWindow() override {
        if (Hwnd()) DestroyWindow(Hwnd());
    }

    bool Create(HWND owner) {
        layout_.SetDpi(MonitorDpi(nullptr));
        RECT r = CentredWindowRect(layout_.Px(kClientWidth), layout_.Px(kClientHeight), kStyle, kExStyle,
                                   layout_.Dpi());
        if (!Window::Create(L"HidewellOptions", L"Options", kStyle, kExStyle, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, owner))
            return false;
        CreateControls();
        Show();
        return true;
    }

    // Alt+T reaches the response-time scroll bar from anywhere in the dialog.
    bool OnKey(const MSG& msg) {
        if (msg.message != WM_SYSKEYDOWN || msg.wParam != 'T' || GetKeyState(VK_SHIFT) < 0 ||
            GetKeyState(VK_CONTROL) < 0)
            return false;
        SetFocus(scroll_);
        return true;
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        // Enter presses only a focused button; there is no default button.
        if (std::optional<LRESULT> handled = focus_.Handle(Hwnd(), msg, wParam, lParam)) return *handled;
        switch (msg) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == scroll_) OnScroll(LOWORD(wParam));
            return 0;
        case WM_DPICHANGED: {
            layout_.Rescale(HIWORD(wParam));
            MoveToSuggestedRect(Hwnd(), lParam);
            return 0;
        }
        case WM_CLOSE:
            model_.Finish(false);
            return 0;
        default:
            break;
        }
        return Default(msg, wParam, lParam);
    }

private:
    void CreateControls() {
        HWND h = Hwnd();
        auto add = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int ht) {
            return layout_.Add(h, cls, text, WS_CLIPSIBLINGS | style, id, x, y, w, ht);
        };
        // In tab order; the frame's controls are placed relative to the frame at (90, 120).
        add(WC_BUTTONW, L"Cance&l", WS_TABSTOP | BS_PUSHBUTTON, kIdCancel, 2775, kButtonTop, 1120, 350);
        add(WC_BUTTONW, L"&Ok", WS_TABSTOP | BS_PUSHBUTTON, kIdOk, 45, kButtonTop, 1120, 345);
        add(WC_BUTTONW, L"&Help", WS_TABSTOP | BS_PUSHBUTTON, kIdHelp, 1245, kButtonTop, 1120, 350);
        const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
        single_ = add(WC_BUTTONW, L"Single Click on Application Icon", check, kIdSingleClick, 240, 1200, 3045, 240);
        hideDate_ = add(WC_BUTTONW, L"Hide Hidewell Date", check, kIdHideDate, 240, 915, 3045, 240);
        hideOwn_ = add(WC_BUTTONW, L"Hide Hidewell Icon", check, kIdHideOwn, 240, 630, 3045, 240);
        auto_ = add(WC_BUTTONW, L"&Auto Load Hidewell on Startup", check, kIdStartWithWindows, 240, 345, 3045, 240);
        scroll_ = add(WC_SCROLLBARW, L"", WS_TABSTOP | SBS_HORZ, kIdTimeScroll, 525, 1785, 3015, 195);
        label_ = add(WC_STATICW, L"Response &Time :", 0, kIdTimeLabel, 210, 1515, 1725, 255);
        add(WC_BUTTONW, L"Options", BS_GROUPBOX, kIdFrame, 90, 120, 3795, 1995);
        // Each hotkey: its label (whose mnemonic reaches the control after it), the control, Clear.
        for (int i = 0; i < 3; ++i) {
            const int y = kHotkeyTop + 270 + i * kHotkeyRow;
            add(WC_STATICW, kHotkeyLabels[i], 0, kIdHotkeyLabel + i, 210, y + 30, 1650, 255);
            hotkeys_[i] = add(HOTKEY_CLASSW, L"", WS_TABSTOP | WS_BORDER, kIdHotkey + i, 1890, y, 1335, 285);
            // A key without Ctrl or Alt gets Ctrl+Alt: a plain key would stop typing everywhere.
            SendMessageW(hotkeys_[i], HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
            add(WC_BUTTONW, L"Clear", WS_TABSTOP | BS_PUSHBUTTON, kIdClearHotkey + i, 3285, y, 540, 285);
        }
        add(WC_BUTTONW, L"Hotkeys", BS_GROUPBOX, kIdHotkeyFrame, 90, kHotkeyTop, 3795, 1335);
        add(WC_STATICW, (L"Settings: " + ToWide(target_.SettingsPlace())).c_str(), SS_NOPREFIX | SS_PATHELLIPSIS,
            kIdSettingsPlace, 90, kPlaceTop, 3795, 255);
        for (int i = 0; i < 3; ++i)
            SendMessageW(hotkeys_[i], HKM_SETHOTKEY, ToControl(model_.HotkeyShown(kHotkeyActions[i])), 0);
    }

    void Show() {
        const OptionValues& v = model_.Values();
        SendMessageW(auto_, BM_SETCHECK, v.startWithWindows ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(hideOwn_, BM_SETCHECK, v.hideOwnIcon ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(hideDate_, BM_SETCHECK, v.hideDateIcon ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(single_, BM_SETCHECK, v.singleClickRestores ? BST_CHECKED : BST_UNCHECKED, 0);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        si.nMin = kOptionsMinIntervalMs;
        si.nMax = kOptionsMaxIntervalMs;
        si.nPos = v.pollIntervalMs;
        SetScrollInfo(scroll_, SB_CTL, &si, TRUE);
        SetWindowTextW(label_, ToWide(model_.ResponseTimeLabel()).c_str());
    }

    void OnCommand(int id) {
        auto checked = [](HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; };
        OptionValues& v = model_.Values();
        if (id >= kIdHotkey && id < kIdHotkey + 3) {
            // Changes only: a stored combination the control cannot show stays until then.
            model_.SetHotkey(kHotkeyActions[id - kIdHotkey],
                             FromControl(SendMessageW(hotkeys_[id - kIdHotkey], HKM_GETHOTKEY, 0, 0)));
            return;
        }
        if (id >= kIdClearHotkey && id < kIdClearHotkey + 3) {
            SendMessageW(hotkeys_[id - kIdClearHotkey], HKM_SETHOTKEY, 0, 0);
            model_.SetHotkey(kHotkeyActions[id - kIdClearHotkey], Hotkey{});
            return;
        }
        switch (id) {
        case kIdOk: OnOk(); break;
        case kIdCancel: model_.Finish(false); break;
        case kIdHelp: ShowHelp(Hwnd(), HelpContext::Options); break;
        case kIdStartWithWindows: v.startWithWindows = checked(auto_); break;
        case kIdHideOwn: v.hideOwnIcon = checked(hideOwn_); break;
        case kIdHideDate: v.hideDateIcon = checked(hideDate_); break;
        case kIdSingleClick: v.singleClickRestores = checked(single_); break;
        default: break;  // Enter outside a button does nothing
        }
    }

    void OnOk() {
        OptionsModel::OkReply reply = model_.OnOk(target_);
        if (reply.message.empty()) return;
        const std::wstring text = ToWide(reply.message);
        if (!reply.question) {
            MessageBoxW(Hwnd(), text.c_str(), L"Hidewell", MB_OK | MB_ICONEXCLAMATION);
        } else if (MessageBoxW(Hwnd(), text.c_str(), L"Hidewell", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES) {
            model_.KeepHotkeys();
        }
    }

    void OnScroll(int code) {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(scroll_, SB_CTL, &si);
        switch (code) {
        case SB_LINELEFT: model_.Step(ScrollStep::LineUp); break;
        case SB_LINERIGHT: model_.Step(ScrollStep::LineDown); break;
        case SB_PAGELEFT: model_.Step(ScrollStep::PageUp); break;
        case SB_PAGERIGHT: model_.Step(ScrollStep::PageDown); break;
        case SB_LEFT: model_.Step(ScrollStep::ToStart); break;
        case SB_RIGHT: model_.Step(ScrollStep::ToEnd); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: model_.SetInterval(si.nTrackPos); break;
        default: return;
        }
        Show();
    }

    OptionsModel& model_;
    OptionsTarget& target_;
    DialogLayout layout_;
    HWND hotkeys_[3] = {};
    DialogFocus focus_;
    HWND auto_ = nullptr, hideOwn_ = nullptr, hideDate_ = nullptr, single_ = nullptr;
    HWND scroll_ = nullptr, label_ = nullptr;
};

}  // namespace

bool ShowOptionsDialog(HWND owner, OptionsTarget& target) {
    OptionsModel model(target.CurrentOptions());
    OptionsWindow window(model, target);
    if (!window.Create(owner)) return false;
    RunModal(window.Hwnd(), owner, [&] { return model.Finished(); }, [&](const MSG& msg) { return window.OnKey(msg); });
    if (!model.Accepted()) return false;
    if (!model.ApplyTo(target))
        MessageBoxW(owner, ToWide(kRunValueFailedMessage).c_str(), L"Hidewell",
                    MB_OK | MB_ICONEXCLAMATION);
    return true;
}

}  // namespace hw
