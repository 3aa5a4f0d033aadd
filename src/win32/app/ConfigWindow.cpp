#include "win32/app/ConfigWindow.h"

#include <commctrl.h>

#include "../../../resources/resource.h"
#include "engine/EngineOptions.h"
#include "ui/IconTools.h"
#include "win32/adapters/Win32Log.h"
#include "win32/app/CommandIds.h"
#include "win32/base/HandleCast.h"
#include "win32/base/Twips.h"
#include "win32/base/Dpi.h"
#include "win32/base/AccessibleName.h"
#include "win32/base/Controls.h"
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
    dpi_ = MonitorDpi(nullptr);
    HICON big = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NOTGOT), IMAGE_ICON,
                                              0, 0, LR_DEFAULTSIZE | LR_SHARED));
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    if (!Window::Create(kClassName, L"Hidewell", style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        TwipsToPixels(kWidthTwips, dpi_), TwipsToPixels(kDefaultHeightTwips, dpi_), nullptr, big))
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
    SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, TwipsToPixels(twips, dpi_),
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
        if (wParam == SIZE_MINIMIZED)
            ShowWindow(Hwnd(), SW_HIDE);
        else
            Layout();
        return 0;
    case DM_GETDEFID: {
        // Enter presses the focused button, otherwise Ok.
        HWND focus = GetFocus();
        bool button = focus && GetParent(focus) == Hwnd() &&
                      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
        return MAKELRESULT(button ? GetDlgCtrlID(focus) : kIdOkButton, DC_HASDEFID);
    }
    case WM_GETMINMAXINFO:
        HoldWidth(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
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
    case kCmdSave: SaveReported(); break;
    case IDCANCEL: OnOk(); break;  // Esc puts the window away as Ok does
    case kCmdUndo: OnUndo(); break;
    case kCmdRefreshAll: engine_->Config().RefreshAll(); break;
    case kCmdOptions: OnOptions(); break;
    case kCmdFileExit: Quit(QuitReason::User); break;
    case kCmdHelpTopic: ShowHelp(Hwnd(), HelpContext::ConfigurationWindow); break;
    case kCmdHelpAbout: ShowAboutBox(Hwnd(), true); break;
    case kCmdOpenLogFolder:
        if (!OpenLogFolder(Hwnd()))
            ui_->ShowMessage(u"Hidewell could not open its log folder " + FromWide(LogFolder()), kAppTitle,
                             kMbIconInformation);
        break;
    default: break;
    }
}

void ConfigWindow::CreateMenuBar() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kCmdSave, L"&Save");
    AppendMenuW(file, MF_STRING, kCmdUndo, L"&Undo");
    AppendMenuW(file, MF_STRING, kCmdRefreshAll, L"&Refresh");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kCmdOptions, L"&Options");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kCmdFileExit, L"E&xit");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, kCmdHelpTopic, L"&Help\tF1");
    AppendMenuW(help, MF_STRING, kCmdOpenLogFolder, L"Open &Log Folder");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, kCmdHelpAbout, L"&About");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    SetMenu(Hwnd(), bar);  // destroyed with the window

    ACCEL f1{};
    f1.fVirt = FVIRTKEY;
    f1.key = VK_F1;
    f1.cmd = kCmdHelpTopic;
    accelerators_.Reset(CreateAcceleratorTableW(&f1, 1));
}

bool ConfigWindow::HandleKeys(MSG& msg) {
    return accelerators_ && Hwnd() && GetAncestor(msg.hwnd, GA_ROOT) == Hwnd() &&
           TranslateAcceleratorW(Hwnd(), accelerators_.Get(), &msg);
}

HWND ConfigWindow::Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
    HWND c = CreateControl(Hwnd(), font_.Get(), dpi_, cls, text, style, id, x, y, w, h);
    placed_.push_back({c, RECT{x, y, x + w, y + h}});
    return c;
}

void ConfigWindow::CreateControls() {
    font_ = CreateMessageFont(dpi_);
    // Positions in twips, relative to the client area; the frames' children are offset by
    // them. The frames come last, below the controls they hold.
    list_ = Add(WC_LISTBOXW, L"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kIdList,
                90 + 120, 45 + 240, 3510, 2595);
    // Its label is the frame, which screen readers do not take for one.
    SetAccessibleName(list_, L"Registered Application Titles");
    rowTips_ = std::make_unique<ListRowTips>(list_, [this](std::size_t row, int textWidth, int room) {
        return config_->RowTip(row, textWidth, room);
    });
    buttons_[2] = Add(WC_BUTTONW, L"\u25B2", WS_TABSTOP, kIdUp, 90 + 3690, 45 + 240, 370, 345);
    buttons_[3] = Add(WC_BUTTONW, L"\u25BC", WS_TABSTOP, kIdDown, 90 + 3690, 45 + 2505, 370, 345);
    preview_ = Add(WC_STATICW, L"", SS_ICON | SS_CENTERIMAGE, kIdSlaveImage, 90 + 4350 + 135, 45 + 165 + 240, 540, 540);
    Add(WC_BUTTONW, L"&New...", WS_TABSTOP, kIdNew, 90, 3120, 1125, 345);
    buttons_[0] = Add(WC_BUTTONW, L"&Edit...", WS_TABSTOP, kIdEdit, 1290, 3120, 1125, 345);
    buttons_[1] = Add(WC_BUTTONW, L"&Remove", WS_TABSTOP, kIdRemove, 2490, 3120, 1125, 345);
    Add(WC_BUTTONW, L"&Ok", WS_TABSTOP, kIdOkButton, 4275, 3120, kOkWidth, 350);
    Add(WC_BUTTONW, L"Icon", BS_GROUPBOX, kIdIconFrame, 90 + 4350, 45 + 165, 840, 900);
    Add(WC_BUTTONW, L"Registered Application Titles", BS_GROUPBOX, kIdFrame, 90, 45, 5325, 2970);
}

int ConfigWindow::WidthPixels() const { return TwipsToPixels(kWidthTwips, dpi_); }

void ConfigWindow::HoldWidth(MINMAXINFO& limits) const {
    // Only the height can change.
    limits.ptMinTrackSize.x = limits.ptMaxTrackSize.x = WidthPixels();
}

void ConfigWindow::Layout() {
    RECT outer{};
    GetWindowRect(Hwnd(), &outer);
    // The window's outer width in twips: the frame keeps 290 twips free, the icon frame sits
    // 1300 and Ok 200 twips from the right.
    int width = PixelsToTwips(outer.right - outer.left, dpi_);
    for (const Placed& p : placed_) {
        RECT t = p.twips;
        int id = GetDlgCtrlID(p.hwnd);
        int shift = 0;
        if (id == kIdFrame) t.right = t.left + width - 290;
        if (id == kIdIconFrame || id == kIdSlaveImage) shift = (width - 1300) - 4350;  // left inside the frame
        if (id == kIdOkButton) shift = (width - kOkWidth - 200) - t.left;
        MoveWindow(p.hwnd, TwipsToPixels(t.left + shift, dpi_), TwipsToPixels(t.top, dpi_),
                   TwipsToPixels(t.right - t.left, dpi_), TwipsToPixels(t.bottom - t.top, dpi_), TRUE);
    }
}

void ConfigWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi > 0 ? dpi : 96;
    UniqueFont font = CreateMessageFont(dpi_);
    for (const Placed& p : placed_) SendMessageW(p.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    std::swap(font_, font);  // the old font goes only after every control has the new one
    MoveToSuggestedRect(Hwnd(), reinterpret_cast<LPARAM>(&suggested));
    Layout();
    InvalidateRect(Hwnd(), nullptr, TRUE);
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
        std::int32_t status = engine_->Config().SaveHeight(PixelsToTwips(r.bottom - r.top, dpi_));
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
