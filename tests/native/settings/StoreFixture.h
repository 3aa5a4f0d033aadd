#pragma once
// A settings store over an in-memory registry, with message boxes recorded and answered.
#include <gtest/gtest.h>

#include "fakes/FakeShell.h"
#include "fakes/PlantedSettings.h"
#include "fakes/RecordingLog.h"
#include "settings/SettingsStore.h"

namespace hw::test {

using Texts = std::vector<Text>;

class StoreTest : public ::testing::Test {
protected:
    StoreTest() { ResetRegistry(); }

    // Both Run keys, the machine's one closed to writing, and no settings.
    void ResetRegistry() {
        reg = MemoryRegistry();
        reg.PlantKey(kHkeyCurrentUser, kRunKey);
        reg.PlantKey(kHkeyLocalMachine, kRunKey);
        reg.readOnlyRoots.insert(kHkeyLocalMachine);
    }
    void Set(const Text& name, const Text& text, bool terminator = false) { PlantSetting(reg, name, text, terminator); }
    void PlantSettings(const Entries& entries, bool old = false) { PlantEntries(reg, entries, old); }
    std::optional<Text> Stored(const Text& name) const { return reg.TextOf(kHkeyCurrentUser, kSettingsKey, name); }
    std::optional<Text> RunText(RegKey root) const { return reg.TextOf(root, kRunKey, kRunValueName); }
    // Message boxes as text|caption|style.
    Texts Shown() const {
        Texts shown;
        for (const auto& m : ui.messages) shown.push_back(m.text + u"|" + m.caption + u"|" + DecimalText(m.style));
        return shown;
    }
    // Settings loaded afresh, as the next start sees them.
    Settings Reload() {
        Settings fresh;
        SettingsStore(reg, ui, log, fresh, u"C:\\Tools\\Hidewell.exe").Load();
        return fresh;
    }
    static Texts Titles(const Settings& s) {
        Texts t;
        for (const Entry& e : s.entries) t.push_back(e.titlePattern);
        return t;
    }
    static Texts Icons(const Settings& s) {
        Texts t;
        for (const Entry& e : s.entries) t.push_back(e.iconReference);
        return t;
    }

    MemoryRegistry reg;
    FakeUi ui;
    RecordingLog log;
    Settings model;
    SettingsStore store{reg, ui, log, model, u"C:\\Tools\\Hidewell.exe"};
};

}  // namespace hw::test
