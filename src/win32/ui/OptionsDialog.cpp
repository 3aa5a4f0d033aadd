// The options dialog's window: the check boxes and the response-time scroll bar in a frame,
// the three hotkeys, each with a way to clear it, and a line that answers each combination
// pressed, in another, with OK, Help and Cancel. It edits a copy; only OK hands it back.
// While it is open Hidewell's own hotkeys are set aside, so the fields receive them.
#include "win32/ui/OptionsDialog.h"

#include <commctrl.h>

#include "settings/SettingsStore.h"
#include "ui/OptionsModel.h"
#include "win32/base/Dpi.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/WinText.h"
#include "win32/base/Window.h"
#include "win32/help/Help.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/ModalLoop.h"
#include "win32/adapters/Win32Log.h"
#include "win32/ui/HotkeyField.h"

namespace hw {

namespace {

// Each check box and the option it shows, top to bottom in the options' frame.
struct BoxBinding {
    const wchar_t* text;
    bool OptionValues::*option;
};
constexpr BoxBinding kBoxes[] = {
    {L"&Auto Load Hidewell on Startup", &OptionValues::startWithWindows},
    {L"Hide Hidewell Icon", &OptionValues::hideOwnIcon},
    {L"Hide Hidewell Date", &OptionValues::hideDateIcon},
    {L"Single Click on Application Icon", &OptionValues::singleClickRestores},
    {L"Right-click the minimise button to hide a window", &OptionValues::rightClickHides},
};
constexpr int kBoxCount = static_cast<int>(std::size(kBoxes));

// Each hotkey field, its label (whose mnemonic reaches the field) and the hotkey it sets, top
// to bottom in the hotkeys' frame.
struct HotkeyBinding {
    const wchar_t* label;
    HotkeyAction action;
};
constexpr HotkeyBinding kHotkeys[] = {
    {L"Hide the &window", HotkeyAction::Hide},
    {L"&Bring back the last", HotkeyAction::Restore},
    {L"Open the &menu", HotkeyAction::Menu},
};
constexpr int kHotkeyCount = static_cast<int>(std::size(kHotkeys));

enum : int {
    kIdCancel = IDCANCEL,
    kIdOk = 10,
    kIdHelp,
    kIdTimeScroll,
    kIdTimeLabel,
    kIdFrame,
    kIdHotkeyFrame,
    kIdHotkeyLabel,                                // one per hotkey, then
    kIdHotkey = kIdHotkeyLabel + kHotkeyCount,     // the hotkey fields, then
    kIdClearHotkey = kIdHotkey + kHotkeyCount,     // their Clear buttons
    kIdHotkeyNote = kIdClearHotkey + kHotkeyCount,  // the answer to the last combination pressed
    kIdSettingsPlace,
    kIdBox,  // the check boxes, in the order of kBoxes
};

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Twips: the hotkeys' frame sits below the options' frame, and the buttons below both. The
// fields are wide enough for the longest combination, such as Ctrl+Alt+Shift+Win+PgDn.
// The boxes come one a row, then the response time.
constexpr int kBoxTop = 345, kBoxRow = 285;
constexpr int kTimeLabelTop = kBoxTop + kBoxCount * kBoxRow + 30, kTimeScrollTop = kTimeLabelTop + 270;
constexpr int kFrameHeight = kTimeScrollTop + 330 - 120;
constexpr int kHotkeyTop = 120 + kFrameHeight + 60, kHotkeyRow = 375;
constexpr int kHotkeyNoteTop = 270 + kHotkeyCount * kHotkeyRow, kHotkeyFrameHeight = kHotkeyNoteTop + 480;
constexpr int kButtonTop = kHotkeyTop + kHotkeyFrameHeight + 105;
constexpr int kClientWidth = 4875;  // room for the longest box and combination
constexpr int kFrameWidth = kClientWidth - 180;
// Below the buttons, one line says where the settings are kept.
constexpr int kPlaceTop = kButtonTop + 450;
constexpr int kClientHeight = kPlaceTop + 330;

class OptionsWindow : public Window {
public:
    OptionsWindow(OptionsModel& model, OptionsTarget& target) : model_(model), target_(target) {}
    ~OptionsWindow() override {
        if (Hwnd()) DestroyWindow(Hwnd());
    }

    bool Create(HWND owner) {
        layout_.SetDpi(MonitorDpi(nullptr));
        RECT r = layout_.CentredWindow(kClientWidth, kClientHeight, kStyle, kExStyle);
        if (!Window::Create(L"HidewellOptions", L"Options", kStyle, kExStyle, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, owner))
            return false;
        CreateControls();
        Show();
        return true;
    }

    // Keys in a hotkey field are its combination; elsewhere Alt+T reaches the response-time
    // scroll bar.
    bool OnKey(const MSG& msg) {
        if (std::optional<int> field = FieldOf(GetFocus())) return OnFieldKey(*field, msg);
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
        case FieldKeyboardHook::kCombinationMessage:
            if (std::optional<int> field = FieldOf(GetFocus()))
                OnCombination(*field, Hotkey{static_cast<std::uint8_t>(lParam), static_cast<std::uint8_t>(wParam)});
            return 0;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == scroll_) OnScroll(LOWORD(wParam));
            return 0;
        case WM_DPICHANGED: {
            layout_.FollowDpiChange(Hwnd(), wParam, lParam);
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
        add(WC_BUTTONW, L"Cance&l", WS_TABSTOP | BS_PUSHBUTTON, kIdCancel, kClientWidth - 1200, kButtonTop, 1120, 350);
        add(WC_BUTTONW, L"&Ok", WS_TABSTOP | BS_PUSHBUTTON, kIdOk, 45, kButtonTop, 1120, 345);
        add(WC_BUTTONW, L"&Help", WS_TABSTOP | BS_PUSHBUTTON, kIdHelp, 1245, kButtonTop, 1120, 350);
        // The boxes from the bottom up, as the tab order has always run.
        for (int i = kBoxCount - 1; i >= 0; --i)
            boxes_[i] = add(WC_BUTTONW, kBoxes[i].text, WS_TABSTOP | BS_AUTOCHECKBOX, kIdBox + i, 240, kBoxTop + i * kBoxRow,
                            kFrameWidth - 240, 240);
        scroll_ = add(WC_SCROLLBARW, L"", WS_TABSTOP | SBS_HORZ, kIdTimeScroll, 525, kTimeScrollTop, 3015, 195);
        label_ = add(WC_STATICW, L"Response &Time :", 0, kIdTimeLabel, 210, kTimeLabelTop, 1725, 255);
        add(WC_BUTTONW, L"Options", BS_GROUPBOX, kIdFrame, 90, 120, kFrameWidth, kFrameHeight);
        // Each hotkey: its label (whose mnemonic reaches the field after it), the field, Clear;
        // below them the line that answers a combination.
        RegisterHotkeyFieldClass();
        for (int i = 0; i < kHotkeyCount; ++i) {
            const int y = kHotkeyTop + 270 + i * kHotkeyRow;
            add(WC_STATICW, kHotkeys[i].label, 0, kIdHotkeyLabel + i, 210, y + 30, 1680, 255);
            hotkeys_[i] = layout_.Add(h, kHotkeyFieldClass, ToWide(model_.HotkeyFieldText(kHotkeys[i].action)).c_str(),
                                      WS_CLIPSIBLINGS | WS_TABSTOP, kIdHotkey + i, 1920, y, 2010, 285, WS_EX_CLIENTEDGE);
            add(WC_BUTTONW, L"Clear", WS_TABSTOP | BS_PUSHBUTTON, kIdClearHotkey + i, 3990, y, 540, 285);
        }
        note_ = add(WC_STATICW, L"", SS_NOPREFIX, kIdHotkeyNote, 210, kHotkeyTop + kHotkeyNoteTop + 30,
                    kFrameWidth - 240, 480);
        add(WC_BUTTONW, L"Hotkeys", BS_GROUPBOX, kIdHotkeyFrame, 90, kHotkeyTop, kFrameWidth, kHotkeyFrameHeight);
        add(WC_STATICW, (L"Settings: " + ToWide(target_.SettingsPlace())).c_str(), SS_NOPREFIX | SS_PATHELLIPSIS,
            kIdSettingsPlace, 90, kPlaceTop, kFrameWidth, 255);
        if (!keyboard_.Installed())
            Win32Log().Failure(u"Hidewell could not watch the keyboard for the hotkey fields; a combination that "
                               u"another program holds does not reach them",
                               u"", GetLastError());
    }

    std::optional<int> FieldOf(HWND h) const {
        for (int i = 0; i < kHotkeyCount; ++i)
            if (h && hotkeys_[i] == h) return i;
        return std::nullopt;
    }

    // A key message while field i has the focus; true when the dialog must not see it.
    bool OnFieldKey(int i, const MSG& msg) {
        if (msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR || msg.message == WM_SYSDEADCHAR) return true;
        if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
        if (msg.wParam > 0xFE) return true;
        const Hotkey pressed{ModifiersHeld(false), static_cast<std::uint8_t>(msg.wParam)};
        switch (ClassifyFieldKey(pressed.key, pressed.modifiers)) {
        case FieldKey::Dialog: return false;
        case FieldKey::Modifier: return true;
        case FieldKey::Clear: OnClear(i); return true;
        case FieldKey::Combination: OnCombination(i, pressed); return true;
        }
        return true;
    }

    void OnCombination(int i, const Hotkey& pressed) {
        const Text note = model_.OnHotkeyPressed(kHotkeys[i].action, pressed, target_);
        SetWindowTextW(hotkeys_[i], ToWide(model_.HotkeyFieldText(kHotkeys[i].action)).c_str());
        SetWindowTextW(note_, ToWide(note).c_str());
    }

    void OnClear(int i) {
        model_.SetHotkey(kHotkeys[i].action, Hotkey{});
        SetWindowTextW(hotkeys_[i], ToWide(model_.HotkeyFieldText(kHotkeys[i].action)).c_str());
        SetWindowTextW(note_, L"");
    }

    void Show() {
        const OptionValues& v = model_.Values();
        for (int i = 0; i < kBoxCount; ++i)
            SendMessageW(boxes_[i], BM_SETCHECK, v.*kBoxes[i].option ? BST_CHECKED : BST_UNCHECKED, 0);
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
        if (id >= kIdBox && id < kIdBox + kBoxCount) {
            model_.Values().*kBoxes[id - kIdBox].option = SendMessageW(boxes_[id - kIdBox], BM_GETCHECK, 0, 0) == BST_CHECKED;
            return;
        }
        if (id >= kIdClearHotkey && id < kIdClearHotkey + kHotkeyCount) {
            OnClear(id - kIdClearHotkey);
            return;
        }
        switch (id) {
        case kIdOk: OnOk(); break;
        case kIdCancel: model_.Finish(false); break;
        case kIdHelp: ShowHelp(Hwnd(), HelpContext::Options); break;
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
    HWND hotkeys_[kHotkeyCount] = {};
    HWND note_ = nullptr;
    FieldKeyboardHook keyboard_;
    DialogFocus focus_;
    HWND boxes_[kBoxCount] = {};
    HWND scroll_ = nullptr, label_ = nullptr;
};

}  // namespace

bool ShowOptionsDialog(HWND owner, OptionsTarget& target) {
    // Until the options have taken effect, so each hotkey is registered once, as chosen.
    HotkeysAside aside(target);
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
