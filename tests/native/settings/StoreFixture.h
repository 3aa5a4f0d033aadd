#pragma once
// A settings store over an in-memory registry, with message boxes recorded and answered.
#include <gtest/gtest.h>

#include <vector>

#include "fakes/MemoryRegistry.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsStore.h"

namespace hw::test {

class RecordingUi : public Ui {
public:
    int ShowMessage(const Text& text, const Text& caption, std::uint32_t style) override {
        shown.push_back(text + u"|" + caption + u"|" + DecimalText(style));
        return answer;
    }
    void DoEvents() override {}

    std::vector<Text> shown;  // text|caption|style
    int answer = kIdNo;
};

using Entries = std::vector<std::pair<Text, Text>>;

inline const Text kProgramPath = u"C:\\Tools\\Hidewell.exe";

class StoreTest : public ::testing::Test {
protected:
    StoreTest() { ResetRegistry(); }

    // An empty registry with both Run keys, the machine's one closed to writing.
    void ResetRegistry() {
        reg = MemoryRegistry();
        reg.PlantKey(kHkeyCurrentUser, kRunKey);
        reg.PlantKey(kHkeyLocalMachine, kRunKey);
        reg.readOnlyRoots.insert(kHkeyLocalMachine);
    }

    // Settings of a Hidewell that ran before: the question was answered, options are stored.
    void PlantCurrentSettings() {
        Set(kFirstStartRecord, u"1");
        Set(u"SINGLE", u"0");
    }
    void Set(const Text& name, const Text& text, bool terminator = false) {
        reg.PlantText(kHkeyCurrentUser, kSettingsKey, name, text, terminator);
    }
    // Titles and icon references at 0, 1, ... and their count.
    void PlantEntries(const Entries& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            Set(TitleValueName(static_cast<int>(i)), entries[i].first);
            Set(IconValueName(static_cast<int>(i)), entries[i].second);
        }
        Set(u"EOF", DecimalText(static_cast<int>(entries.size())));
    }
    std::optional<Text> Stored(const Text& name) const { return reg.TextOf(kHkeyCurrentUser, kSettingsKey, name); }
    std::optional<Text> RunText(RegKey root) const { return reg.TextOf(root, kRunKey, kRunValueName); }

    // A fresh model loaded from the registry, as a new start sees it.
    SettingsModel Reload() {
        SettingsModel fresh;
        SettingsStore(reg, ui, fresh, kProgramPath).LoadRegEdit();
        return fresh;
    }

    MemoryRegistry reg;
    RecordingUi ui;
    SettingsModel model;
    SettingsStore store{reg, ui, model, kProgramPath};
};

}  // namespace hw::test
