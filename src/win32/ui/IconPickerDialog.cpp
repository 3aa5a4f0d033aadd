// The icon picker's window: drive, folder and file lists, the name box, the icon scroll bar
// and the preview. The model decides; this shows it and forwards the user's actions.
#include "win32/ui/IconPickerDialog.h"

#include <commctrl.h>

#include <vector>

#include "common/Paths.h"
#include "ui/IconPickerModel.h"
#include "ui/IconTools.h"
#include "win32/adapters/Win32FileSystem.h"
#include "win32/base/Controls.h"
#include "win32/base/Dpi.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/WinText.h"
#include "win32/base/Window.h"
#include "win32/help/Help.h"
#include "win32/base/DialogLayout.h"
#include "win32/ui/IconExport.h"
#include "win32/base/ModalLoop.h"
#include "win32/icons/Win32Icons.h"

namespace hw {

namespace {

enum : int {
    kIdCancel = IDCANCEL,
    kIdSelect = 10,
    kIdHelp,
    kIdDrives,
    kIdParent,
    kIdFolders,
    kIdName,
    kIdFiles,
    kIdIconFrame,
    kIdScroll,
    kIdPreview,
    kIdLookInLabel,
    kIdNameLabel,
};

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Client area in twips: name and files on the left, drive and folders on the right, the
// icon frame and the buttons below.
constexpr int kClientWidth = 6000;
constexpr int kClientHeight = 4560;


// Fills a list box with the rows unless it holds them already.
void ShowRows(HWND list, std::vector<Text>& shown, const std::vector<Text>& rows, int selection) {
    if (rows != shown) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const Text& row : rows) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(row).c_str()));
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        shown = rows;
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

class IconPickerWindow : public Window {
public:
    explicit IconPickerWindow(IconPickerModel& model) : model_(model) {}
    ~IconPickerWindow() override {
        if (Hwnd()) DestroyWindow(Hwnd());
    }

    bool Create(HWND owner) {
        layout_.SetDpi(MonitorDpi(nullptr));
        RECT r = layout_.CentredWindow(kClientWidth, kClientHeight, kStyle, kExStyle);
        if (!Window::Create(L"HidewellIconPicker", L"Applications Icon", kStyle, kExStyle, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, owner))
            return false;
        CreateControls();
        return true;
    }

    // Brings every control up to the model's state, then shows its message, if any.
    void Show() {
        if (drives_.empty() || drives_ != model_.Drives()) {
            drives_ = model_.Drives();
            SendMessageW(drivesBox_, CB_RESETCONTENT, 0, 0);
            for (const Text& d : drives_) {
                Text shown = d.size() >= 2 && d[1] == u':' ? d.substr(0, 2) : d;
                SendMessageW(drivesBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(shown).c_str()));
            }
        }
        SendMessageW(drivesBox_, CB_SETCURSEL, static_cast<WPARAM>(model_.DriveIndex()), 0);
        std::vector<Text> folderRows;
        for (const FolderRow& row : model_.FolderRows()) folderRows.push_back(Text(2 * row.depth, u' ') + row.label);
        ShowRows(folders_, shownFolders_, folderRows, model_.CurrentFolderRow());
        ShowRows(files_, shownFiles_, model_.Files(), model_.FileSelection());
        updatingName_ = true;
        SetTextIfChanged(name_, model_.Name());
        updatingName_ = false;
        SetTextIfChanged(iconFrame_, model_.IconCaption());
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        si.nMax = model_.ScrollMax();
        si.nPos = model_.ScrollValue();
        SetScrollInfo(scroll_, SB_CTL, &si, TRUE);
        ShowPreview(false);
        if (std::optional<Text> message = model_.TakeMessage())
            MessageBoxW(Hwnd(), ToWide(*message).c_str(), L"Hidewell", MB_OK | MB_ICONEXCLAMATION);
    }

    void FocusName() {
        SetFocus(name_);
        SendMessageW(name_, EM_SETSEL, 0, -1);
    }

    // Alt+N, Alt+L and Alt+I reach the name box, the drive list and the icon scroll bar.
    bool OnKey(const MSG& msg) {
        if (msg.message != WM_SYSKEYDOWN || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0) return false;
        HWND target = msg.wParam == 'N' ? name_ : msg.wParam == 'L' ? drivesBox_ : msg.wParam == 'I' ? scroll_ : nullptr;
        if (!target) return false;
        SetFocus(target);
        return true;
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        // Enter presses only a focused button; there is no default button.
        if (std::optional<LRESULT> handled = focus_.Handle(Hwnd(), msg, wParam, lParam)) return *handled;
        switch (msg) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == scroll_) OnScroll(LOWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            if (wParam == kIdPreview) {
                DrawPreview(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            break;
        case WM_DPICHANGED: {
            layout_.FollowDpiChange(Hwnd(), wParam, lParam);
            ShowPreview(true);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            // A click on the icon frame (it lets clicks through) goes to the scroll bar.
            RECT frame{};
            GetWindowRect(iconFrame_, &frame);
            MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&frame), 2);
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&frame, at)) SetFocus(scroll_);
            return 0;
        }
        case WM_CLOSE:
            model_.Cancel();
            return 0;
        default:
            break;
        }
        return Default(msg, wParam, lParam);
    }

private:
    void CreateControls() {
        HWND h = Hwnd();
        auto add = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int ht,
                       DWORD ex = 0) { return layout_.Add(h, cls, text, WS_CLIPSIBLINGS | style, id, x, y, w, ht, ex); };
        add(WC_STATICW, L"&Look In :", SS_NOTIFY, kIdLookInLabel, 3120, 120, 2760, 240);
        drivesBox_ = add(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kIdDrives, 3120, 390, 2280, 2400);
        add(WC_BUTTONW, L"...", WS_TABSTOP | BS_PUSHBUTTON, kIdParent, 5460, 390, 420, 315);
        folders_ = add(WC_LISTBOXW, L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdFolders, 3120,
                       810, 2760, 2160, WS_EX_CLIENTEDGE);
        add(WC_STATICW, L"File &name :", SS_NOTIFY, kIdNameLabel, 120, 120, 2760, 240);
        name_ = add(WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL, kIdName, 120, 390, 2760, 315, WS_EX_CLIENTEDGE);
        files_ = add(WC_LISTBOXW, L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdFiles, 120, 810,
                     2760, 2160, WS_EX_CLIENTEDGE);
        scroll_ = add(WC_SCROLLBARW, L"", WS_TABSTOP | SBS_HORZ, kIdScroll, 240, 3390, 3960, 255);
        preview_ = add(WC_STATICW, L"", SS_OWNERDRAW | SS_NOTIFY, kIdPreview, 240, 3720, 3960, 600, WS_EX_CLIENTEDGE);
        add(WC_BUTTONW, L"&Select", WS_TABSTOP | BS_PUSHBUTTON, kIdSelect, 4560, 3150, 1320, 345);
        add(WC_BUTTONW, L"&Cancel", WS_TABSTOP | BS_PUSHBUTTON, kIdCancel, 4560, 3600, 1320, 345);
        add(WC_BUTTONW, L"&Help", WS_TABSTOP | BS_PUSHBUTTON, kIdHelp, 4560, 4050, 1320, 345);
        // The frame comes last, below the controls it holds.
        iconFrame_ = add(WC_BUTTONW, L"&Icon: 1:1", BS_GROUPBOX, kIdIconFrame, 120, 3090, 4200, 1350);
    }

    void OnCommand(int id, int code) {
        switch (id) {
        case IDOK:  // Enter where no button has the focus
            OnEnter();
            break;
        case kIdSelect:
            model_.Select();
            break;
        case kIdCancel:
            model_.Cancel();
            break;
        case kIdHelp:
            ShowHelp(Hwnd(), HelpContext::IconPicker);
            return;
        case kIdParent:
            model_.GoToParent();
            break;
        case kIdDrives:
            if (code != CBN_SELCHANGE) return;
            model_.ChooseDrive(static_cast<int>(SendMessageW(drivesBox_, CB_GETCURSEL, 0, 0)));
            break;
        case kIdFolders:
            if (code != LBN_DBLCLK) return;
            model_.OpenFolder(static_cast<int>(SendMessageW(folders_, LB_GETCURSEL, 0, 0)));
            break;
        case kIdFiles:
            if (code == LBN_SELCHANGE)
                model_.PickFile(static_cast<int>(SendMessageW(files_, LB_GETCURSEL, 0, 0)));
            else if (code == LBN_DBLCLK)
                model_.DoubleClickFile(static_cast<int>(SendMessageW(files_, LB_GETCURSEL, 0, 0)));
            else
                return;
            break;
        case kIdName:
            if (code == EN_CHANGE && !updatingName_) model_.SetName(WindowText(name_));
            return;
        case kIdLookInLabel:
        case kIdNameLabel:
            if (code == STN_CLICKED) SetFocus(id == kIdNameLabel ? name_ : drivesBox_);
            return;
        case kIdPreview:
            if (code == STN_DBLCLK && large_) SaveIconAs(Hwnd(), large_.Get(), ExportName());
            return;
        default:
            return;
        }
        Show();
    }

    void OnEnter() {
        HWND focus = GetFocus();
        if (focus == name_)
            model_.EnterInName();
        else if (focus == files_)
            model_.Select();
        else if (focus == folders_)
            model_.OpenFolder(static_cast<int>(SendMessageW(folders_, LB_GETCURSEL, 0, 0)));
    }

    void OnScroll(int code) {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(scroll_, SB_CTL, &si);
        int value = model_.ScrollValue();
        switch (code) {
        case SB_LINELEFT:
        case SB_PAGELEFT: --value; break;
        case SB_LINERIGHT:
        case SB_PAGERIGHT: ++value; break;
        case SB_LEFT: value = 0; break;
        case SB_RIGHT: value = model_.ScrollMax(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: value = si.nTrackPos; break;
        default: return;
        }
        model_.Scroll(value);
        Show();
    }

    // Loads the preview's icons when the model shows another one (or the size changed).
    void ShowPreview(bool sizeChanged) {
        const std::optional<PreviewIcon>& wanted = model_.Preview();
        bool same = wanted.has_value() == shown_.has_value() &&
                    (!wanted || (wanted->path == shown_->path && wanted->index == shown_->index));
        if (same && !sizeChanged) return;
        shown_ = wanted;
        large_.Reset();
        small_.Reset();
        if (wanted) {
            large_ = ExtractFileIcon(wanted->path, wanted->index, LargeIconSize(layout_.Dpi()));
            small_ = ExtractFileIcon(wanted->path, wanted->index, SmallIconSize(layout_.Dpi()));
        }
        InvalidateRect(preview_, nullptr, TRUE);
    }

    // The icon at the window's large and small icon sizes, side by side.
    void DrawPreview(const DRAWITEMSTRUCT& d) {
        FillRect(d.hDC, &d.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        int large = LargeIconSize(layout_.Dpi()), small = SmallIconSize(layout_.Dpi());
        int gap = layout_.Px(120);
        int x = d.rcItem.left + gap, middle = (d.rcItem.top + d.rcItem.bottom) / 2;
        if (large_) DrawIconEx(d.hDC, x, middle - large / 2, large_.Get(), large, large, 0, nullptr, DI_NORMAL);
        if (small_)
            DrawIconEx(d.hDC, x + large + gap, middle - small / 2, small_.Get(), small, small, 0, nullptr, DI_NORMAL);
    }

    // The previewed file's name with ".ico" in place of its extension.
    Text ExportName() const {
        Text name = shown_ ? GetFileName(shown_->path) : Text(u"Icon");
        std::size_t dot = name.find_last_of(u'.');
        return (dot == Text::npos || dot == 0 ? name : name.substr(0, dot)) + u".ico";
    }

    IconPickerModel& model_;
    DialogLayout layout_;
    DialogFocus focus_;
    HWND drivesBox_ = nullptr, folders_ = nullptr, name_ = nullptr, files_ = nullptr;
    HWND iconFrame_ = nullptr, scroll_ = nullptr, preview_ = nullptr;
    std::vector<Text> drives_, shownFolders_, shownFiles_;
    std::optional<PreviewIcon> shown_;
    UniqueIcon large_, small_;
    bool updatingName_ = false;
};

}  // namespace

std::optional<Text> PickIcon(HWND owner, const Text& reference) {
    static Text lastFolder;  // where an icon was last chosen in this run
    Win32FileSystem files;
    Win32Icons icons(GetModuleHandleW(nullptr), LargeIconSize(MonitorDpi(owner)));
    IconPickerModel model(files, icons);
    IconPickerWindow window(model);
    if (!window.Create(owner)) return std::nullopt;
    model.Open(PickerArgs{reference, lastFolder, DefaultIconReference(icons.GetWinDir())});
    std::optional<Text> openMessage = model.TakeMessage();
    window.Show();
    ShowWindow(window.Hwnd(), SW_SHOW);
    window.FocusName();
    if (openMessage)
        MessageBoxW(window.Hwnd(), ToWide(*openMessage).c_str(), L"Hidewell", MB_OK | MB_ICONEXCLAMATION);
    RunModal(window.Hwnd(), owner, [&] { return model.Finished(); },
             [&](const MSG& msg) { return window.OnKey(msg); });
    if (model.Result()) lastFolder = model.ChosenFolder();
    return model.Result();
}

}  // namespace hw
