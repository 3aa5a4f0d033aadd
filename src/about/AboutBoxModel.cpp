#include "about/AboutBoxModel.h"

#include "common/NumericParse.h"

namespace hw {

Text FormatVersionLine(const ProgramVersion& v) {
    return u"Version " + DecimalText(v.major) + u"." + DecimalText(v.minor) + u" - build " + DecimalText(v.build);
}

AboutBoxModel::AboutBoxModel(std::optional<ProgramVersion> version)
    : versionLine_(version ? FormatVersionLine(*version) : Text(u"Version ")) {}

void AboutBoxModel::OnLineClick(Line line) {
    switch (line) {
    case Line::Title: code_ += u'1'; break;
    case Line::Second: code_ += u'3'; break;
    case Line::Version: code_ += u'2'; break;
    }
}

void AboutBoxModel::OnPictureClick() {
    if (code_ == kGamesCode)
        gamesShown_ = true;
    else
        versionLine_ = Text(u"Version : ") + kCredits;
}

}  // namespace hw
