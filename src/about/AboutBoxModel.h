#pragma once
// The about box "About Hidewell": its texts, and the hidden way to the games. Clicking the
// title, the second line and the version line collects the digits 1, 3 and 2; a click on the
// picture then shows the games when the code is "21323", otherwise the credits in the
// version line. The code only grows while the box is open, so a wrong order keeps the games
// hidden until the box is opened again.
#include <optional>

#include "platform/Types.h"

namespace hw {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};

class AboutBoxModel {
public:
    static constexpr const char16_t* kCaption = u"About Hidewell";
    static constexpr const char16_t* kTitle = u"Hidewell";
    static constexpr const char16_t* kSecondLine = u"Keeps chosen application windows off the taskbar.";
    static constexpr const char16_t* kHome = u"Home: https://hidewell.example.org";
    static constexpr const char16_t* kSupport = u"Support: support@hidewell.example.org";
    static constexpr const char16_t* kCredits = u"Hidewell, made by the Hidewell project.";
    static constexpr const char16_t* kGamesCode = u"21323";

    enum class Line { Title, Second, Version };

    // The version comes from the program's version resource; without one the line is "Version ".
    explicit AboutBoxModel(std::optional<ProgramVersion> version);

    void OnLineClick(Line line);
    void OnPictureClick();

    const Text& VersionLine() const { return versionLine_; }
    const Text& Code() const { return code_; }
    bool GamesShown() const { return gamesShown_; }

private:
    Text versionLine_;
    Text code_;
    bool gamesShown_ = false;
};

// "Version 2.2 - build 870".
Text FormatVersionLine(const ProgramVersion& version);

}  // namespace hw
