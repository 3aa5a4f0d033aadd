#include "win32/about/AboutWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "../../../resources/resource.h"
#include "win32/base/Controls.h"
#include "win32/base/DialogFocus.h"
#include "win32/base/Dpi.h"
#include "win32/base/Placement.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {

enum : int {
    kIdPicture = 10,
    kIdTitle,
    kIdSecond,
    kIdVersion,
    kIdHome,
    kIdSupport,
    kIdSkillFrame,
    kIdBar,
    kIdSkillHint,
    kIdSkillOutcome,
    kIdSkillGo,
    kIdSeeFrame,
    kIdSeeHint,
    kIdSeeOutcome,
    kIdSeeGo,
    kIdFirstShape,  // one per shape
};

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Client sizes in twips: the box, and the box grown to show the games below it.
constexpr int kClientWidth = 4485;
constexpr int kClientHeight = 4005;
constexpr int kGrownClientHeight = 5820;
constexpr int kSkillLeft = 105, kSkillTop = 4290;
constexpr int kSeeLeft = 2235, kSeeTop = 4275;
// The bar's circles; the red bar sits a little right of and below the full bar.
constexpr int kCircleSize = 180, kCirclePitch = 225, kCircleTop = 90, kBarShadow = 15;
constexpr int kShapeMargin = 30;
constexpr int kOutcomeWidth = 1815, kOutcomeMargin = 60;  // the narrower of the two outcome lines
constexpr int kPictureIcon = 720;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kOutcomeBlue = RGB(0, 0, 192);

constexpr wchar_t kCircle = 0x25CF;  // the bar as text, for readers of the window

enum class Kind { Static, Button, Group };

struct AboutControl {
    int id;
    Kind kind;
    const wchar_t* text;
    DWORD style;
    AboutWindow::FontKind font;
    int x, y, w, h;  // twips, in the client area
};

std::wstring WideOf(const char16_t* s) { return ToWide(Text(s)); }

int TextWidth(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

}  // namespace

AboutWindow::AboutWindow(bool modal) : modal_(modal) {}

AboutWindow::~AboutWindow() {
    // Destroy while this object is whole, so the last messages reach it.
    if (Hwnd()) DestroyWindow(Hwnd());
}

bool AboutWindow::Create(HWND owner, std::optional<ProgramVersion> version) {
    model_.emplace(version);
    layout_.SetDpi(MonitorDpi(owner));
    if (!Window::Create(kClassName, WideOf(AboutBoxModel::kCaption).c_str(), kStyle, kExStyle, 0, 0, 0, 0, owner,
                        ProgramIcon()))
        return false;
    CreateFonts();
    CreateControls();
    ShowVersion();
    ShowSkill();
    ShowSee();
    SizeWindow(true);
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    SetFocus(GetDlgItem(Hwnd(), IDOK));
    return true;
}

namespace {

const AboutControl kControls[] = {
    {kIdTitle, Kind::Static, nullptr, SS_NOTIFY, AboutWindow::kTitle, 1560, 240, 2685, 420},
    {kIdSecond, Kind::Static, nullptr, SS_NOTIFY, AboutWindow::kNormal, 1560, 735, 2685, 420},
    {kIdVersion, Kind::Static, nullptr, SS_NOTIFY, AboutWindow::kNormal, 1560, 1260, 2685, 420},
    {kIdHome, Kind::Static, nullptr, 0, AboutWindow::kNormal, 240, 2280, 4005, 255},
    {kIdSupport, Kind::Static, nullptr, 0, AboutWindow::kNormal, 240, 2580, 4005, 255},
    {IDOK, Kind::Button, L"&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, AboutWindow::kNormal, 1635, 3390, 1215, 375},
    // Skill Chance, in its frame.
    {kIdSkillHint, Kind::Static, L"Click on the bar when the bar is full", SS_CENTER, AboutWindow::kSmall,
     kSkillLeft + 90, kSkillTop + 660, 1815, 390},
    {kIdSkillOutcome, Kind::Static, L"Winner", SS_CENTER, AboutWindow::kOutcome, kSkillLeft + 90, kSkillTop + 630,
     kOutcomeWidth, 420},
    {kIdSkillGo, Kind::Button, L"Go", WS_TABSTOP | WS_DISABLED, AboutWindow::kNormal, kSkillLeft + 630, kSkillTop + 1035, 735, 330},
    // Last One to See, in its frame.
    {kIdSeeHint, Kind::Static, L"Click on the Last one you see", SS_CENTER, AboutWindow::kSmall, kSeeLeft + 90,
     kSeeTop + 690, 1965, 390},
    {kIdSeeOutcome, Kind::Static, L"Winner", SS_CENTER, AboutWindow::kOutcome, kSeeLeft + 90, kSeeTop + 660, 1965, 420},
    {kIdSeeGo, Kind::Button, L"Go", WS_TABSTOP | WS_DISABLED, AboutWindow::kNormal, kSeeLeft + 705, kSeeTop + 1065, 735, 330},
    // The frames last, below the controls they hold.
    {kIdSkillFrame, Kind::Group, nullptr, BS_GROUPBOX, AboutWindow::kFrame, kSkillLeft, kSkillTop, 1995, 1425},
    {kIdSeeFrame, Kind::Group, nullptr, BS_GROUPBOX, AboutWindow::kFrame, kSeeLeft, kSeeTop, 2145, 1440},
};

struct BoxSpec {
    int id;
    int x, y, w, h;
};
const BoxSpec kBoxes[] = {
    {kIdPicture, 240, 240, 1095, 1095},
    {kIdBar, kSkillLeft + 90, kSkillTop + 240, 1815, 390},
    {kIdFirstShape + 0, kSeeLeft + 150, kSeeTop + 300, 435, 350},
    {kIdFirstShape + 1, kSeeLeft + 660, kSeeTop + 300, 435, 350},
    {kIdFirstShape + 2, kSeeLeft + 1110, kSeeTop + 300, 435, 350},
    {kIdFirstShape + 3, kSeeLeft + 1590, kSeeTop + 300, 435, 350},
};

}  // namespace

void AboutWindow::CreateFonts() {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    struct FontSpec {
        const wchar_t* face;  // nullptr: the message font's face
        int hundredthsOfPoint;
        int weight;
        BYTE charset;
    } specs[kFontKinds] = {
        {nullptr, 825, FW_NORMAL, DEFAULT_CHARSET}, {nullptr, 1200, FW_BOLD, DEFAULT_CHARSET},
        {nullptr, 675, FW_NORMAL, DEFAULT_CHARSET}, {nullptr, 750, FW_NORMAL, DEFAULT_CHARSET},
        {nullptr, 1000, FW_BOLD, DEFAULT_CHARSET},  {L"Times New Roman", 1575, FW_BOLD, DEFAULT_CHARSET},
    };
    for (int k = 0; k < kFontKinds; ++k) {
        LOGFONTW lf{};
        lf.lfHeight = -MulDiv(specs[k].hundredthsOfPoint, layout_.Dpi(), 7200);
        lf.lfWeight = specs[k].weight;
        lf.lfCharSet = specs[k].charset;
        lf.lfQuality = CLEARTYPE_QUALITY;
        const wchar_t* face = specs[k].face ? specs[k].face : ncm.lfMessageFont.lfFaceName;
        wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
        fonts_[k].Reset(CreateFontIndirectW(&lf));
        if (k == kOutcome) {
            // Where the serif face is missing its stand-in may be wider: the longest outcome must fit one line.
            int room = layout_.Px(kOutcomeWidth) - layout_.Px(kOutcomeMargin);
            int width = TextWidth(fonts_[k].Get(), ToWide(OutcomeText(GameOutcome::GameOver)));
            if (width > room) {
                lf.lfHeight = MulDiv(lf.lfHeight, room, width);
                fonts_[k].Reset(CreateFontIndirectW(&lf));
            }
        }
    }
    int size = layout_.Px(kPictureIcon);
    picture_.Reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_HIDEWELL), IMAGE_ICON, size, size, 0)));
}

void AboutWindow::CreateControls() {
    for (const AboutControl& c : kControls) {
        const wchar_t* cls = c.kind == Kind::Static ? WC_STATICW : WC_BUTTONW;
        layout_.SetFont(layout_.Add(Hwnd(), cls, c.text ? c.text : L"", c.style, c.id, c.x, c.y, c.w, c.h), fonts_[c.font]);
    }
    const std::pair<int, const char16_t*> texts[] = {{kIdTitle, AboutBoxModel::kTitle},
                                                     {kIdSecond, AboutBoxModel::kSecondLine},
                                                     {kIdHome, AboutBoxModel::kHome},
                                                     {kIdSupport, AboutBoxModel::kSupport}};
    for (auto [id, text] : texts) SetDlgItemTextW(Hwnd(), id, WideOf(text).c_str());
    pictureBox_.Create(Hwnd(), kIdPicture, [this](HDC dc, const RECT& r) { PaintPicture(dc, r); });
    bar_.Create(Hwnd(), kIdBar, [this](HDC dc, const RECT& r) { PaintBar(dc, r); });
    for (int k = 0; k < LastOneToSee::kShapes; ++k) {
        shapes_[k].Create(Hwnd(), kIdFirstShape + k, [this, k](HDC dc, const RECT& r) { PaintShape(k, dc, r); });
        wchar_t digit[2] = {static_cast<wchar_t>(L'1' + k), 0};
        SetWindowTextW(shapes_[k].Hwnd(), digit);
    }
    for (const BoxSpec& b : kBoxes) layout_.Keep(GetDlgItem(Hwnd(), b.id), b.x, b.y, b.w, b.h);
    // The frames below everything, the boxes painted in them too.
    for (const AboutControl& c : kControls)
        if (c.kind == Kind::Group)
            SetWindowPos(GetDlgItem(Hwnd(), c.id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void AboutWindow::SizeWindow(bool center) {
    RECT r{0, 0, layout_.Px(kClientWidth), layout_.Px(model_->GamesShown() ? kGrownClientHeight : kClientHeight)};
    AdjustWindowRectForDpi(r, kStyle, kExStyle, layout_.Dpi());
    int w = r.right - r.left, h = r.bottom - r.top;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = 0, y = 0;
    if (center) {
        // Centred on the work area of the screen the box is on.
        MONITORINFO mi{};
        mi.cbSize = sizeof(mi);
        GetMonitorInfoW(MonitorFromWindow(Hwnd(), MONITOR_DEFAULTTOPRIMARY), &mi);
        x = mi.rcWork.left + (mi.rcWork.right - mi.rcWork.left - w) / 2;
        y = mi.rcWork.top + (mi.rcWork.bottom - mi.rcWork.top - h) / 2;
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(Hwnd(), nullptr, x, y, w, h, flags);
}

void AboutWindow::ShowVersion() { SetTextIfChanged(GetDlgItem(Hwnd(), kIdVersion), ToWide(model_->VersionLine())); }

void AboutWindow::ShowSkill() {
    SetTextIfChanged(GetDlgItem(Hwnd(), kIdSkillFrame), ToWide(skill_.Caption()));
    // The bar's text is the red bar, as a reader of the window sees it.
    SetTextIfChanged(bar_.Hwnd(), std::wstring(static_cast<std::size_t>(skill_.RedLength()), kCircle));
    InvalidateRect(bar_.Hwnd(), nullptr, FALSE);
    bool decided = skill_.Outcome() != GameOutcome::None;
    HWND outcome = GetDlgItem(Hwnd(), kIdSkillOutcome);
    if (decided) SetTextIfChanged(outcome, ToWide(OutcomeText(skill_.Outcome())));
    ShowWindow(GetDlgItem(Hwnd(), kIdSkillHint), decided ? SW_HIDE : SW_SHOWNA);
    ShowWindow(outcome, decided ? SW_SHOWNA : SW_HIDE);
}

void AboutWindow::ShowSee() {
    SetTextIfChanged(GetDlgItem(Hwnd(), kIdSeeFrame), ToWide(see_.Caption()));
    for (int k = 0; k < LastOneToSee::kShapes; ++k) {
        // Only a shape that changes is redrawn, so fast flashing does not flicker.
        int look = (see_.Visible(k) ? 1 : 0) | (see_.Marked(k) ? 2 : 0);
        if (look == shapeLooks_[k]) continue;
        shapeLooks_[k] = look;
        HWND shape = shapes_[k].Hwnd();
        ShowWindow(shape, see_.Visible(k) ? SW_SHOWNA : SW_HIDE);
        InvalidateRect(shape, nullptr, TRUE);
    }
    bool decided = see_.Outcome() != GameOutcome::None;
    HWND outcome = GetDlgItem(Hwnd(), kIdSeeOutcome);
    if (decided) SetTextIfChanged(outcome, ToWide(OutcomeText(see_.Outcome())));
    ShowWindow(GetDlgItem(Hwnd(), kIdSeeHint), decided ? SW_HIDE : SW_SHOWNA);
    ShowWindow(outcome, decided ? SW_SHOWNA : SW_HIDE);
}

void AboutWindow::PaintPicture(HDC dc, const RECT& r) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_MENUBAR));
    int size = layout_.Px(kPictureIcon);
    if (picture_)
        DrawIconEx(dc, (r.right - size) / 2, (r.bottom - size) / 2, picture_.Get(), size, size, 0, nullptr, DI_NORMAL);
}

void AboutWindow::PaintBar(HDC dc, const RECT& r) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    auto circles = [&](int count, int shadow, COLORREF colour) {
        SetDCBrushColor(dc, colour);
        for (int k = 0; k < count; ++k) {
            int x = layout_.Px(k * kCirclePitch + shadow), y = layout_.Px(kCircleTop + shadow);
            Ellipse(dc, x, y, x + layout_.Px(kCircleSize) + 1, y + layout_.Px(kCircleSize) + 1);
        }
    };
    circles(skill_.FullLength(), 0, GetSysColor(COLOR_BTNTEXT));
    circles(skill_.RedLength(), kBarShadow, kRed);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

void AboutWindow::PaintShape(int index, HDC dc, const RECT& r) {
    // A digit from 1 to 4 cut out of a filled circle.
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    int size = std::min(r.right, r.bottom) - 2 * layout_.Px(kShapeMargin);
    RECT circle{(r.right - size) / 2, (r.bottom - size) / 2, 0, 0};
    circle.right = circle.left + size;
    circle.bottom = circle.top + size;
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, see_.Marked(index) ? kOutcomeBlue : kRed);
    Ellipse(dc, circle.left, circle.top, circle.right + 1, circle.bottom + 1);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    HGDIOBJ oldFont = SelectObject(dc, fonts_[kDigit].Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    wchar_t digit[2] = {static_cast<wchar_t>(L'1' + index), 0};
    DrawTextW(dc, digit, 1, &circle, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

HBRUSH AboutWindow::OnControlColour(HDC dc, HWND control) {
    int id = GetDlgCtrlID(control);
    COLORREF colour = GetSysColor(COLOR_BTNTEXT);
    if (id == kIdSkillOutcome || id == kIdSeeOutcome) colour = kOutcomeBlue;
    SetTextColor(dc, colour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void AboutWindow::OnCommand(int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL: Close(); return;
    case kIdTitle: model_->OnLineClick(AboutBoxModel::Line::Title); return;
    case kIdSecond: model_->OnLineClick(AboutBoxModel::Line::Second); return;
    case kIdVersion: model_->OnLineClick(AboutBoxModel::Line::Version); return;
    case kIdPicture: {
        bool shown = model_->GamesShown();
        model_->OnPictureClick();
        ShowVersion();
        if (model_->GamesShown() && !shown) {
            // Below the normal height until now, and out of the tab order.
            EnableWindow(GetDlgItem(Hwnd(), kIdSkillGo), TRUE);
            EnableWindow(GetDlgItem(Hwnd(), kIdSeeGo), TRUE);
            SizeWindow(true);
        }
        return;
    }
    case kIdSkillGo: skill_.Go(); break;
    case kIdBar: skill_.OnBarClick(); break;
    case kIdSeeGo: see_.Go(); break;
    default:
        if (id >= kIdFirstShape && id < kIdFirstShape + LastOneToSee::kShapes) see_.OnShapeClick(id - kIdFirstShape);
        break;
    }
    ShowSkill();
    ShowSee();
}

void AboutWindow::OnTimer(UINT_PTR id) {
    if (id == skillTimer_.Id()) {
        skill_.OnTick();
        ShowSkill();
    } else if (id == flashTimer_.Id()) {
        see_.OnFlash();
        ShowSee();
    } else if (id == turnTimer_.Id()) {
        see_.OnTurnEnd();
        ShowSee();
    }
}

void AboutWindow::Close() {
    if (modal_)
        done_ = true;
    else
        DestroyWindow(Hwnd());
}

void AboutWindow::OnFinalMessage() {
    if (!modal_) delete this;
}

LRESULT AboutWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: {
        int code = HIWORD(wParam);
        if (code == BN_CLICKED || code == STN_CLICKED || code == STN_DBLCLK) OnCommand(LOWORD(wParam));
        return 0;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case DM_GETDEFID: return *AnswerDefaultButton(Hwnd(), msg, IDOK);
    case WM_DPICHANGED: {
        layout_.FollowDpiChange(Hwnd(), wParam, lParam, [this] { CreateFonts(); });
        SizeWindow(false);
        return 0;
    }
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
