#include "win32/app/ConfigWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "engine/EngineOptions.h"
#include "ui/IconTools.h"
#include "win32/adapters/Win32Log.h"
#include "win32/app/CommandIds.h"
#include "win32/base/HandleCast.h"
#include "win32/base/AccessibleName.h"
#include "win32/base/Controls.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/Dpi.h"
#include "win32/base/Placement.h"
#include "win32/base/WinText.h"
#include "win32/about/AboutBox.h"
#include "win32/help/Help.h"
#include "win32/ui/OptionsDialog.h"

namespace hw {

namespace {

// Posted to itself when the session ends (wParam 0) or an installer asks Hidewell to close
// (wParam 1, the Restart Manager).
constexpr UINT kEndSessionMessage = WM_APP + 44;
constexpr int kOkWidth = 1120;
const Text kQuestionTitle = u"Hidewell";
constexpr std::uint32_t kQuestion = kMbYesNo | kMbIconQuestion | kMbDefButton2;

}  // namespace

ConfigWindow::ConfigWindow() = default;
ConfigWindow::~ConfigWindow() = default;

bool ConfigWindow::Create(TrayEngine& engine, Desktop& desktop, Ui& ui, Icons& icons, Log& log) {
    engine_ = &engine;
    log_ = &log;
    ui_ = &ui;
    icons_ = &icons;
    desktop_ = &desktop;
    config_ = std::make_unique<ConfigWindowModel>(engine.Config().Current().entries);
    previewIcon_ = std::make_unique<IconPicture>(icons);
    layout_.SetDpi(MonitorDpi(nullptr));
    HICON big = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NOTGOT), IMAGE_ICON,
                                              0, 0, LR_DEFAULTSIZE | LR_SHARED));
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    if (!Window::Create(kClassName, L"Hidewell", style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        layout_.Px(kWidthTwips), layout_.Px(kDefaultHeightTwips), nullptr, big))
        return false;
    CreateMenuBar();
    CreateControls();
    CentreOnScreen(Hwnd());
    return true;
}

void ConfigWindow::Show() {
    if (IsWindowVisible(Hwnd())) return;
    ShowWindow(Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(Hwnd());
    OnActivate();
}

void ConfigWindow::EntriesChanged() {
    config_->Reloaded(engine_->Config().Current().entries);
    OnActivate();
}

void ConfigWindow::SetSmallIcon(HICON icon) {
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void ConfigWindow::SetHeightTwips(int twips) {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, layout_.Px(twips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ConfigWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (filter_ && filter_(msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kIdList) {
            if (HIWORD(wParam) == LBN_SELCHANGE) OnSelect();
            if (HIWORD(wParam) == LBN_DBLCLK) {
                OnSelect();
                OnEdit();
            }
        } else {
            OnCommand(LOWORD(wParam));
        }
        return 0;
    case WM_SIZE:
        // The window is never left minimised on the taskbar: it is put away instead.
        if (wParam == SIZE_MINIMIZED) ShowWindow(Hwnd(), SW_HIDE);
        return 0;
    case DM_GETDEFID: return *AnswerDefaultButton(Hwnd(), msg, kIdOkButton);
    case WM_GETMINMAXINFO:
        HoldWidth(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DPICHANGED:
        layout_.FollowDpiChange(Hwnd(), wParam, lParam);
        return 0;
    case WM_CLOSE:
        Quit(QuitReason::User);
        return 0;
    case WM_QUERYENDSESSION:
        // Nothing is asked when Windows ends the session or an installer closes Hidewell;
        // the settings are kept now.
        SaveHeightAndSettings();
        return TRUE;
    case WM_ENDSESSION:
        // The icons go. At the session's end the windows that Hidewell hid stay hidden; an
        // installer's close while the session goes on (the Restart Manager) shows them again.
        // It comes as a sent message, maybe while a tick waits on another program: the quit runs
        // once that walk is over, so that the walk cannot show or hide windows after it. The
        // settings were kept at WM_QUERYENDSESSION, should the session end before.
        if (wParam)
            PostMessageW(Hwnd(), kEndSessionMessage, (lParam & ENDSESSION_CLOSEAPP) && !(lParam & ENDSESSION_LOGOFF), 0);
        return 0;
    case kEndSessionMessage:
        Quit(wParam ? QuitReason::RestartManager : QuitReason::SessionEnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

void ConfigWindow::OnCommand(int id) {
    switch (id) {
    case kIdNew: OnNew(); break;
    case kIdEdit: OnEdit(); break;
    case kIdRemove: OnRemove(); break;
    case kIdUp: OnMove(true); break;
    case kIdDown: OnMove(false); break;
    case kIdOkButton: OnOk(); break;
    case kCmdBarSave: SaveReported(); break;
    case IDCANCEL: OnOk(); break;  // Esc puts the window away as Ok does
    case kCmdBarUndo: OnUndo(); break;
    case kCmdBarRefresh: engine_->Config().RefreshAll(); break;
    case kCmdBarOptions: OnOptions(); break;
    case kCmdBarExit: Quit(QuitReason::User); break;
    case kCmdBarHelp: ShowHelp(Hwnd(), HelpContext::ConfigurationWindow); break;
    case kCmdBarAbout: ShowAboutBox(Hwnd(), true); break;
    case kCmdBarLogFolder:
        if (!OpenLogFolder(Hwnd()))
            ui_->ShowMessage(u"Hidewell could not open its log folder " + FromWide(LogFolder()), kAppTitle,
                             kMbIconInformation);
        break;
    default: break;
    }
}

void ConfigWindow::CreateMenuBar() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kCmdBarSave, L"&Save");
    AppendMenuW(file, MF_STRING, kCmdBarUndo, L"&Undo");
    AppendMenuW(file, MF_STRING, kCmdBarRefresh, L"&Refresh");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kCmdBarOptions, L"&Options");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kCmdBarExit, L"E&xit");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, kCmdBarHelp, L"&Help\tF1");
    AppendMenuW(help, MF_STRING, kCmdBarLogFolder, L"Open &Log Folder");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, kCmdBarAbout, L"&About");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    SetMenu(Hwnd(), bar);  // destroyed with the window

    ACCEL f1{};
    f1.fVirt = FVIRTKEY;
    f1.key = VK_F1;
    f1.cmd = kCmdBarHelp;
    accelerators_.Reset(CreateAcceleratorTableW(&f1, 1));
}

bool ConfigWindow::HandleKeys(MSG& msg) {
    return accelerators_ && Hwnd() && GetAncestor(msg.hwnd, GA_ROOT) == Hwnd() &&
           TranslateAcceleratorW(Hwnd(), accelerators_.Get(), &msg);
}

void ConfigWindow::CreateControls() {
    // Twips of the client area at the window's one width: the list's frame leaves 290 twips
    // of it free, the icon frame and Ok keep to its right edge. The frames come last, below
    // the controls they hold.
    constexpr int kFrameLeft = 90, kFrameTop = 45, kFrameWidth = kWidthTwips - 290;
    constexpr int kIconLeft = kWidthTwips - 1210, kIconTop = kFrameTop + 165;
    constexpr int kListTop = kFrameTop + 240, kButtonTop = 3120;
    auto add = [this](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
        return layout_.Add(Hwnd(), cls, text, style, id, x, y, w, h);
    };
    list_ = add(WC_LISTBOXW, L"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdList,
                kFrameLeft + 120, kListTop, 3510, 2595);
    // Its label is the frame, which screen readers do not take for one.
    SetAccessibleName(list_, L"Registered Application Titles");
    rowTips_ = std::make_unique<ListRowTips>(list_, [this](std::size_t row, int textWidth, int room) {
        return config_->RowTip(row, textWidth, room);
    });
    buttons_[2] = add(WC_BUTTONW, L"\u25B2", WS_TABSTOP, kIdUp, kFrameLeft + 3690, kListTop, 370, 345);
    buttons_[3] = add(WC_BUTTONW, L"\u25BC", WS_TABSTOP, kIdDown, kFrameLeft + 3690, kListTop + 2265, 370, 345);
    preview_ = add(WC_STATICW, L"", SS_ICON | SS_CENTERIMAGE, kIdIconPreview, kIconLeft + 135, kIconTop + 240, 540, 540);
    // New, Edit and Remove from the left, one button width and a gap apart.
    const struct {
        const wchar_t* text;
        int id;
    } rowButtons[] = {{L"&New...", kIdNew}, {L"&Edit...", kIdEdit}, {L"&Remove", kIdRemove}};
    for (int i = 0; i < 3; ++i) {
        HWND b = add(WC_BUTTONW, rowButtons[i].text, WS_TABSTOP, rowButtons[i].id, kFrameLeft + i * 1200, kButtonTop, 1125, 345);
        if (i > 0) buttons_[i - 1] = b;
    }
    add(WC_BUTTONW, L"&Ok", WS_TABSTOP, kIdOkButton, kWidthTwips - kOkWidth - 200, kButtonTop, kOkWidth, 350);
    add(WC_BUTTONW, L"Icon", BS_GROUPBOX, kIdIconFrame, kIconLeft, kIconTop, 840, 900);
    add(WC_BUTTONW, L"Registered Application Titles", BS_GROUPBOX, kIdFrame, kFrameLeft, kFrameTop, kFrameWidth, 2970);
}

int ConfigWindow::WidthPixels() const { return layout_.Px(kWidthTwips); }

void ConfigWindow::HoldWidth(MINMAXINFO& limits) const {
    // Only the height can change.
    limits.ptMinTrackSize.x = limits.ptMaxTrackSize.x = WidthPixels();
}

void ConfigWindow::ShowRows() {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const Entry& row : config_->Rows())
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(ConfigWindowModel::RowText(row)).c_str()));
    std::size_t selected = config_->Selected();
    SendMessageW(list_, LB_SETCURSEL, selected == ConfigWindowModel::kNone ? WPARAM(-1) : WPARAM(selected), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    rowTips_->Forget();
    ShowButtons();
    ShowPreview();
}

void ConfigWindow::ShowButtons() {
    ListButtons b = config_->Buttons();
    EnableWindow(list_, b.list);
    EnableWindow(buttons_[0], b.edit);
    EnableWindow(buttons_[1], b.remove);
    EnableWindow(buttons_[2], b.up);
    EnableWindow(buttons_[3], b.down);
}

void ConfigWindow::ShowPreview() {
    IconHandle icon = ExtractReferencedIcon(*icons_, config_->SelectedIconReference());
    SendMessageW(preview_, STM_SETICON, reinterpret_cast<WPARAM>(ToWin32<HICON>(icon)), 0);
    previewIcon_->Reset(icon);  // after the box lets go of the icon it showed
}

void ConfigWindow::OnActivate() {
    config_->Activate();
    OnRowsChanged();
}

void ConfigWindow::OnRowsChanged() {
    ShowRows();
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    if (r.right - r.left != WidthPixels())
        SetWindowPos(Hwnd(), nullptr, 0, 0, WidthPixels(), r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConfigWindow::OnSelect() {
    LRESULT row = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    config_->Select(row == LB_ERR ? ConfigWindowModel::kNone : static_cast<std::size_t>(row));
    ShowButtons();
    ShowPreview();
}

EntryEditorResult ConfigWindow::RunEditor(const EntryEditorArgs& args) {
    if (!editor_) editor_ = std::make_unique<EntryEditor>(*icons_, *desktop_);
    return editor_->Run(Hwnd(), args);
}

void ConfigWindow::OnNew() {
    if (config_->AddEntry(RunEditor(config_->NewArgs()))) engine_->Config().SetEntries(config_->Rows());
    OnRowsChanged();
}

void ConfigWindow::OnEdit() {
    std::optional<EntryEditorArgs> args = config_->EditArgs();
    if (!args) return;
    if (config_->ApplyEdit(RunEditor(*args))) {
        engine_->Config().SetEntries(config_->Rows());
        engine_->Config().RefreshAll();
    }
    OnRowsChanged();
}

void ConfigWindow::OnRemove() {
    if (!config_->RemoveAsks()) return;
    bool yes = ui_->ShowMessage(kRemoveQuestion, kQuestionTitle, kQuestion) == kIdYes;
    if (config_->Remove(yes)) engine_->Config().SetEntries(config_->Rows());
    OnRowsChanged();
}

void ConfigWindow::OnMove(bool up) {
    if (up ? config_->MoveUp() : config_->MoveDown()) {
        engine_->Config().SetEntries(config_->Rows());
        ShowRows();
    }
    SetFocus(list_);
}

void ConfigWindow::OnOk() {
    if (config_->OkSaves()) {
        SetFocus(list_);
        SaveReported();
    } else {
        ui_->ShowMessage(kNoEntriesMessage, kAppTitle, kMbIconInformation);
    }
    ShowWindow(Hwnd(), SW_MINIMIZE);  // puts the window away
}

void ConfigWindow::OnUndo() {
    engine_->Config().Reload();
    EntriesChanged();
}

void ConfigWindow::OnOptions() {
    EngineOptions options(*engine_);
    ShowOptionsDialog(Hwnd(), options);
}

bool ConfigWindow::SaveHeightAndSettings() {
    if (!IsIconic(Hwnd()) && IsWindowVisible(Hwnd())) {
        RECT r{};
        GetWindowRect(Hwnd(), &r);
        std::int32_t status = engine_->Config().SaveHeight(layout_.Twips(r.bottom - r.top));
        if (status != kErrorSuccess) log_->Failure(u"Saving the window's height", u"", static_cast<std::uint32_t>(status));
    }
    if (engine_->Config().Save()) return true;
    log_->Failure(u"Saving the settings", u"", 0);
    return false;
}

void ConfigWindow::SaveReported() {
    if (!SaveHeightAndSettings()) ui_->ShowMessage(kSaveFailedMessage, kAppTitle, kMbIconCritical);
}

bool ConfigWindow::Quit(QuitReason reason) {
    if (!Hwnd()) return true;
    SaveHeightAndSettings();
    if (AsksBeforeQuitting(reason) && ui_->ShowMessage(kQuitQuestion, kQuestionTitle, kQuestion) != kIdYes)
        return false;
    CloseHelp();
    engine_->Quit(reason);
    DestroyWindow(Hwnd());
    return true;
}

}  // namespace hw
