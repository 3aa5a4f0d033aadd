#include "engine/IconNotices.h"

#include <algorithm>

#include "settings/RegistryStore.h"
#include "settings/SettingsLayout.h"
#include "engine/WindowFacts.h"

namespace hw {

void IconNotices::Refuse(WindowHandle h, const Text& message) {
    if (!refused_.emplace(h, message).second) return;
    platform_.log.Failure(message, platform_.desktop.GetText(h, kScanCaptionMax), 0);
    TellRefusals();
}

void IconNotices::TellRefusals() {
    for (auto& [window, notice] : refused_)
        if (!notice.empty() && icons_.ShowNotice(notice)) notice.clear();
}

void IconNotices::ForgetGone() {
    std::erase_if(refused_, [&](const auto& refused) { return !platform_.desktop.IsWindow(refused.first); });
}

void IconNotices::TellAboutOverflowOnce(TrayIcon& icon) {
    if (overflowTold_ || !platform_.host.NewIconsGoToOverflow()) return;
    overflowTold_ = ReadValue(platform_.registry, kHkeyCurrentUser, kSettingsKey, kOverflowTipValue).ToText() == u"1";
    if (overflowTold_ || !icon.ShowBalloon(u"Hidewell", kOverflowTip)) return;  // else told at a later hide
    overflowTold_ = true;
    CreateKey(platform_.registry, kHkeyCurrentUser, kSettingsKey);
    WriteValue(platform_.registry, kHkeyCurrentUser, kSettingsKey, kOverflowTipValue, u"1", kRegSz);
}

}  // namespace hw
