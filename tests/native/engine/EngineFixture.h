#pragma once
// Hidewell's engine on a simulated desktop, notification area, registry and forms.
#include <gtest/gtest.h>

#include "engine/Hidewell.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeIcons.h"
#include "fakes/FakeShell.h"
#include "fakes/MemoryRegistry.h"
#include "settings/SettingsLayout.h"

namespace hw::test {

inline const Text kAppIcon = u"000:C:\\Apps\\app.exe";
inline const Text kOtherIcon = u"001:C:\\Apps\\other.dll";

class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        icons.files[u"C:\\Apps\\app.exe"] = 1;
        icons.files[u"C:\\Apps\\other.dll"] = 2;
    }

    // Stores the entries as settings and starts Hidewell on them.
    void Start(const std::vector<std::pair<Text, Text>>& entries, int interval = 500) {
        auto set = [&](const Text& name, const Text& text) { reg.PlantText(kHkeyCurrentUser, kSettingsKey, name, text); };
        set(kFirstStartRecord, u"1");
        set(u"SINGLE", u"0");
        set(u"RT", DecimalText(interval));
        set(u"EOF", DecimalText(static_cast<int>(entries.size())));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            set(TitleValueName(static_cast<int>(i)), entries[i].first);
            set(IconValueName(static_cast<int>(i)), entries[i].second);
        }
        engine.Form_Load();
    }

    WindowHandle Minimised(const Text& caption) { return desktop.Add(caption, true); }
    const NotifyIconRecord* SlotIcon(int slot) const { return tray.Find(FakeForms::ReceiverOf(slot)); }
    Text SlotTip(int slot) const { return SlotIcon(slot) ? FakeNotifyArea::ShownTip(*SlotIcon(slot)) : Text(u"<none>"); }
    bool Hidden(WindowHandle h) { return desktop.Exists(h) && !desktop[h].visible; }

    FakeDesktop desktop;
    FakeNotifyArea tray;
    FakeUi ui;
    FakeForms forms;
    MemoryRegistry reg;
    FakeIcons icons;
    FakeClock clock;
    Platform platform{desktop, tray, ui, forms, reg, icons, clock, u"C:\\Tools\\Hidewell.exe"};
    Hidewell engine{platform};
};

}  // namespace hw::test
