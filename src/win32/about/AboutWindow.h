#pragma once
// The about box "About Hidewell" with its two hidden games. It shows the models and forwards
// clicks and timer ticks to them; the models hold every rule.
#include <array>
#include <optional>

#include "about/AboutBoxModel.h"
#include "about/LastOneToSee.h"
#include "about/SkillChance.h"
#include "win32/about/GameClocks.h"
#include "win32/about/PaintBox.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/Window.h"

namespace hw {

class AboutWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"HidewellAbout";
    enum FontKind { kNormal, kTitle, kSmall, kFrame, kDigit, kOutcome, kFontKinds };

    // A modeless box deletes itself once its window is gone; a modal one is closed by its
    // owner's loop when Done().
    explicit AboutWindow(bool modal);
    ~AboutWindow() override;

    bool Create(HWND owner, std::optional<ProgramVersion> version);
    bool Done() const { return done_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;

private:

    void CreateControls();
    void CreateFonts();
    void SizeWindow(bool center);
    void OnCommand(int id);
    void OnTimer(UINT_PTR id);
    void ShowVersion();
    void ShowSkill();
    void ShowSee();
    HBRUSH OnControlColour(HDC dc, HWND control);
    void PaintPicture(HDC dc, const RECT& r);
    void PaintBar(HDC dc, const RECT& r);
    void PaintShape(int index, HDC dc, const RECT& r);
    void Close();

    bool modal_;
    bool done_ = false;
    DialogLayout layout_;
    std::optional<AboutBoxModel> model_;
    WindowTimer skillTimer_{*this, 1};
    WindowTimer flashTimer_{*this, 2};
    WindowTimer turnTimer_{*this, 3};
    SeededRandom random_;
    SkillChance skill_{skillTimer_};
    LastOneToSee see_{flashTimer_, turnTimer_, random_};
    std::array<int, LastOneToSee::kShapes> shapeLooks_{-1, -1, -1, -1};  // as last shown
    std::array<UniqueFont, kFontKinds> fonts_;
    UniqueIcon picture_;
    PaintBox pictureBox_;
    PaintBox bar_;
    std::array<PaintBox, LastOneToSee::kShapes> shapes_;
};

}  // namespace hw
