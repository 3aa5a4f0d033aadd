#include "win32/ui/EntryEditor.h"

#include <commctrl.h>
#include <shellapi.h>

#include <span>
#include <variant>

#include "platform/Ui.h"
#include "ui/IconTools.h"
#include "win32/base/HandleCast.h"
#include "win32/base/Dpi.h"
#include "win32/base/Controls.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/ModalLoop.h"
#include "win32/base/WinText.h"
#include "win32/help/Help.h"
#include "win32/ui/IconPickerDialog.h"

namespace hw {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_ACCEPTFILES;
// Twips: the width inside the dialog, one line of text, the height of a field.
constexpr int kClientWidth = 4635, kLine = 195, kField = 320;
// The match line follows the title after a pause in typing, with one scan of the windows.
constexpr UINT_PTR kMatchTimer = 1;
constexpr UINT kTypingPauseMs = 400;

enum ControlId : int {
    kIdTitle = 10,
    kIdNote,
    kIdShowIcon,
    kIdPreview,
    kIdIconLabel,
    kIdIconText,
    kIdBrowse,
    kIdAccept,
    kIdHelp,
    kIdTitleFrame,
    kIdIconFrame,
    kIdMatchLine,
    kIdWarningLine,
    kIdHideOnAppear,
    kIdMatchBy,
};

const wchar_t kNote[] =
    L"NOTE : You now use Wild Cards for the titles e.g. *Microsoft Visual C++*. Placing * on either side of the "
    L"Title will have the same effect as before.  SEE HELP FOR MORE DETAILS";

// What an entry may be matched by, as the drop-down offers it and as it is stored.
struct Choice {
    const wchar_t* shown;
    const char16_t* stored;
};
constexpr Choice kMatchByChoices[] = {
    {L"by caption", u""}, {L"by program", Entry::kMatchByProgram}, {L"by window class", Entry::kMatchByClass}};

// The controls bound to a field of the entry: a text field, a check box, or a drop-down of
// stored words. The editor shows the entry through them and takes every change back.
struct Binding {
    int id;
    std::variant<Text Entry::*, bool Entry::*> field;
    std::span<const Choice> choices;  // a drop-down's words; empty for the others
};
const Binding kBindings[] = {
    {kIdTitle, &Entry::titlePattern, {}},
    {kIdMatchBy, &Entry::matchBy, kMatchByChoices},
    {kIdHideOnAppear, &Entry::hideOnAppear, {}},
};

}  // namespace

EntryEditor::EntryEditor(Icons& icons, Desktop& desktop) : icons_(icons), desktop_(desktop), preview_(icons) {}

EntryEditor::~EntryEditor() {
    if (Hwnd()) DestroyWindow(Hwnd());
}

HWND EntryEditor::Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
    return layout_.Add(Hwnd(), cls, text, style, id, x, y, w, h);
}

bool EntryEditor::CreateOnce() {
    if (Hwnd()) return true;
    layout_.SetDpi(MonitorDpi(nullptr));
    // The rows from the top; the dialog is as tall as they are.
    DialogRows rows(105);
    const int titleTop = rows.Next(690);
    const int matchTop = rows.Next(2 * kLine);  // a refusal may take two lines
    const int warningTop = rows.Next(kLine);
    const int noteTop = rows.Next(4 * kLine);  // four lines in the message font
    const int appearTop = rows.Next(240);
    const int iconTop = rows.Next(945);
    const int buttonsTop = rows.Next(345);
    const int clientHeight = rows.Bottom() - 15;

    RECT r = layout_.CentredWindow(kClientWidth, clientHeight, kStyle, kExStyle);
    if (!Window::Create(kClassName, L"New", kStyle, kExStyle, r.left, r.top, r.right - r.left, r.bottom - r.top,
                        nullptr))
        return false;
    // Files dropped from Explorer. When Hidewell runs elevated, Windows keeps drops from
    // programs with fewer rights out, and so they stay: one could be forged to make Hidewell
    // read another program's memory. The picker is the way then, as in other elevated programs.
    DragAcceptFiles(Hwnd(), TRUE);

    // Tab order is creation order; the frames come last so they do not cover what they hold.
    title_ = Add(WC_EDITW, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kIdTitle, 195, titleTop + 255, 2880, kField);
    matchBy_ = Add(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kIdMatchBy, 3135, titleTop + 255,
                   1320, 1200);
    for (const Choice& c : kMatchByChoices)
        SendMessageW(matchBy_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.shown));
    constexpr DWORD kText = SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL | SS_ENDELLIPSIS;
    matchLine_ = Add(WC_STATICW, L"", kText, kIdMatchLine, 90, matchTop, 4470, 2 * kLine);
    warningLine_ = Add(WC_STATICW, L"", kText, kIdWarningLine, 90, warningTop, 4470, kLine);
    Add(WC_STATICW, kNote, SS_LEFT, kIdNote, 90, noteTop, 4470, 4 * kLine);
    Add(WC_BUTTONW, L"Hide windows as soon as they a&ppear", WS_TABSTOP | BS_AUTOCHECKBOX,
                        kIdHideOnAppear, 195, appearTop, 4365, 240);
    showIcon_ = Add(WC_BUTTONW, L"Show Icon in Tray", WS_TABSTOP | BS_AUTOCHECKBOX, kIdShowIcon, 195, iconTop, 1800, kLine);
    previewBox_ = Add(WC_STATICW, L"", SS_ICON | SS_CENTERIMAGE, kIdPreview, 195, iconTop + 270, 540, 540);
    iconControls_[1] = Add(WC_STATICW, L"&Applications Icon", SS_LEFT, kIdIconLabel, 855, iconTop + 240, 1905, kLine);
    iconText_ = Add(WC_EDITW, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kIdIconText, 840, iconTop + 495, 2760, kField);
    iconControls_[2] = iconText_;
    // An empty field stands for the window's own icon, and says so.
    SendMessageW(iconText_, EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(ToWide(EntryEditorModel::EmptyIconText()).c_str()));
    iconControls_[3] = Add(WC_BUTTONW, L"&Browse...", WS_TABSTOP, kIdBrowse, 3615, iconTop + 495, 870, kField);
    Add(WC_BUTTONW, L"&Ok", WS_TABSTOP, kIdAccept, 75, buttonsTop, 1120, 345);
    Add(WC_BUTTONW, L"&Help", WS_TABSTOP, kIdHelp, 1275, buttonsTop, 1125, 345);
    Add(WC_BUTTONW, L"Cance&l", WS_TABSTOP, IDCANCEL, 3450, buttonsTop, 1120, 345);
    Add(WC_BUTTONW, L"&Title", BS_GROUPBOX, kIdTitleFrame, 75, titleTop, 4485, 690);
    iconControls_[0] = Add(WC_BUTTONW, L"Icon", BS_GROUPBOX, kIdIconFrame, 75, iconTop, 4500, 945);
    // Paths are not cut short: the field takes as much as the system allows.
    SendMessageW(iconText_, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(title_, EM_SETLIMITTEXT, 0, 0);
    return true;
}

EntryEditorResult EntryEditor::Run(HWND owner, const EntryEditorArgs& args) {
    if (!CreateOnce()) return EntryEditorResult{};
    model_.Open(args);
    matches_.emplace(desktop_, caseMapping_, args.above);
    SetWindowLongPtrW(Hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    ShowModel();
    ShowMatches();
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    SetFocus(title_);
    RunModal(Hwnd(), owner, [this] { return model_.Finished(); }, [this](const MSG& msg) { return PreviewKey(msg); });
    if (Hwnd()) KillTimer(Hwnd(), kMatchTimer);
    return model_.Finished() ? model_.Result() : EntryEditorResult{};
}

bool EntryEditor::PreviewKey(const MSG& msg) {
    if (msg.message != WM_SYSKEYDOWN) return false;
    bool altAlone = (GetKeyState(VK_SHIFT) & 0x8000) == 0 && (GetKeyState(VK_CONTROL) & 0x8000) == 0;
    switch (EntryEditorModel::FocusForKey(static_cast<int>(msg.wParam), altAlone)) {
    case EditorFocus::Title: SetFocus(title_); return true;
    case EditorFocus::Icon:
        if (IsWindowEnabled(iconText_)) SetFocus(iconText_);
        return true;
    case EditorFocus::None: break;
    }
    return false;
}

void EntryEditor::ShowModel() {
    syncing_ = true;
    SetWindowTextW(Hwnd(), ToWide(model_.Caption()).c_str());
    const Entry& entry = model_.Edited();
    for (const Binding& b : kBindings) {
        HWND control = GetDlgItem(Hwnd(), b.id);
        if (const auto* flag = std::get_if<bool Entry::*>(&b.field)) {
            SendMessageW(control, BM_SETCHECK, entry.**flag ? BST_CHECKED : BST_UNCHECKED, 0);
            continue;
        }
        const Text& text = entry.*std::get<Text Entry::*>(b.field);
        if (b.choices.empty()) {
            SetWindowTextW(control, ToWide(text).c_str());
            continue;
        }
        // A stored word no choice has (from a later version) shows no choice: the live line
        // says why the entry matches nothing.
        LRESULT at = -1;
        for (std::size_t i = 0; i < b.choices.size(); ++i)
            if (Entry::MatchByOf(b.choices[i].stored) == Entry::MatchByOf(text) && Entry::MatchByOf(text) != MatchBy::Unknown)
                at = static_cast<LRESULT>(i);
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    }
    SetWindowTextW(iconText_, ToWide(model_.IconText()).c_str());
    syncing_ = false;
    ShowIconControls();
    ShowPreview();
}

TitleVerdict EntryEditor::ShowMatches() {
    KillTimer(Hwnd(), kMatchTimer);
    matches_->Scan();
    TitleVerdict verdict = matches_->Judge(model_.Edited());
    const Text& line = verdict.refusal.empty() ? verdict.matches : verdict.refusal;
    SetWindowTextW(matchLine_, ToWide(line).c_str());
    SetWindowTextW(warningLine_, ToWide(verdict.warning).c_str());
    return verdict;
}

void EntryEditor::ShowIconControls() {
    SendMessageW(showIcon_, BM_SETCHECK, model_.ShowIcon() ? BST_CHECKED : BST_UNCHECKED, 0);
    for (HWND c : iconControls_) EnableWindow(c, model_.ShowIcon());
}

void EntryEditor::ShowPreview() {
    if (model_.Preview() == shownPreview_ && (preview_ || shownPreview_.empty())) return;
    shownPreview_ = model_.Preview();
    IconHandle icon = ExtractReferencedIcon(icons_, shownPreview_);
    SendMessageW(previewBox_, STM_SETICON, reinterpret_cast<WPARAM>(ToWin32<HICON>(icon)), 0);
    preview_.Reset(icon);  // after the box lets go of the icon it showed
}

bool EntryEditor::TakeBoundField(int id, int code) {
    for (const Binding& b : kBindings) {
        if (b.id != id) continue;
        HWND control = GetDlgItem(Hwnd(), id);
        Entry& entry = model_.Edited();
        if (const auto* flag = std::get_if<bool Entry::*>(&b.field)) {
            if (code != BN_CLICKED) return true;
            entry.**flag = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        } else if (b.choices.empty()) {
            if (code != EN_CHANGE || syncing_) return true;
            entry.*std::get<Text Entry::*>(b.field) = WindowText(control);
        } else {
            if (code != CBN_SELCHANGE) return true;
            const LRESULT at = SendMessageW(control, CB_GETCURSEL, 0, 0);
            if (at < 0 || static_cast<std::size_t>(at) >= b.choices.size()) return true;
            entry.*std::get<Text Entry::*>(b.field) = b.choices[static_cast<std::size_t>(at)].stored;
        }
        // What the entry matches follows after a pause, as typing goes on.
        SetTimer(Hwnd(), kMatchTimer, kTypingPauseMs, nullptr);
        return true;
    }
    return false;
}

void EntryEditor::OnCommand(int id, int code) {
    if (TakeBoundField(id, code)) return;
    switch (id) {
    case kIdIconText:
        if (code == EN_CHANGE && !syncing_) model_.SetIconText(WindowText(iconText_));
        if (code == EN_KILLFOCUS) model_.OnIconLeave();
        ShowPreview();
        break;
    case kIdShowIcon:
        if (code == BN_CLICKED) {
            model_.SetShowIcon(SendMessageW(showIcon_, BM_GETCHECK, 0, 0) == BST_CHECKED);
            ShowIconControls();
        }
        break;
    case IDOK:
        // Enter: in the icon field it takes the typed file and the dialog stays open;
        // anywhere else it presses Ok.
        if (GetFocus() == iconText_) {
            model_.OnIconEnter();
            ShowPreview();
        } else {
            OnOk();
        }
        break;
    case kIdAccept: OnOk(); break;
    case IDCANCEL: model_.OnCancel(); break;
    case kIdBrowse: OnBrowse(); break;
    case kIdHelp: ShowHelp(Hwnd(), model_.Help()); break;
    default: break;
    }
}

void EntryEditor::OnOk() {
    if (GetFocus() == iconText_) model_.OnIconLeave();
    EntryEditorModel::OkReply reply = model_.OnOk(ShowMatches());
    if (reply.message.empty()) return;
    syncing_ = true;
    SetWindowTextW(iconText_, ToWide(model_.IconText()).c_str());
    syncing_ = false;
    if (reply.question) {
        if (MessageBoxW(Hwnd(), ToWide(reply.message).c_str(), ToWide(kAppTitle).c_str(),
                        MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
            model_.KeepTitle();
            return;
        }
    } else {
        MessageBoxW(Hwnd(), ToWide(reply.message).c_str(), ToWide(kAppTitle).c_str(), MB_OK | MB_ICONINFORMATION);
    }
    SetFocus(title_);
}

void EntryEditor::OnBrowse() {
    Text start = model_.BeginBrowse(icons_.GetWinDir());
    std::optional<Text> chosen = PickIcon(Hwnd(), model_.BrowsingFromDefault() ? Text() : start);
    model_.EndBrowse(chosen);
    ShowModel();
}

void EntryEditor::OnDrop(HDROP drop) {
    UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length > 0) {
        std::wstring name(length + 1, L'\0');
        name.resize(DragQueryFileW(drop, 0, name.data(), length + 1));
        if (model_.OnDrop(FromWide(name))) ShowModel();
    }
    DragFinish(drop);
}

LRESULT EntryEditor::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Enter presses the focused button, otherwise it comes as IDOK.
    if (std::optional<LRESULT> answer = AnswerDefaultButton(Hwnd(), msg, IDOK)) return *answer;
    switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DROPFILES: OnDrop(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_TIMER:
        if (wParam == kMatchTimer) ShowMatches();
        return 0;
    case WM_CLOSE: model_.OnCancel(); return 0;  // the close box acts as Cancel
    case WM_DPICHANGED:
        layout_.FollowDpiChange(Hwnd(), wParam, lParam);
        return 0;
    default: break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
