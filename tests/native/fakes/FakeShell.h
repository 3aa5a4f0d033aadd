#pragma once
// Simulated notification area, message boxes, clock and Hidewell's own host.
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "platform/Clock.h"
#include "platform/EngineHost.h"
#include "platform/NotifyArea.h"
#include "platform/Ui.h"

namespace hw::test {

class FakeNotifyArea : public NotifyArea {
public:
    struct Call {
        NotifyAction action;
        NotifyIconRecord record;
    };
    bool Notify(NotifyAction action, const NotifyIconRecord& record) override;

    // Icons shown now, by receiver window, in the order they were added.
    std::vector<NotifyIconRecord> icons;
    std::vector<Call> calls;  // adds, changes and removals
    std::vector<Text> balloons;  // title|text of every balloon shown
    bool refuseAdds = false;
    bool oldShell = false;  // knows no icon versions
    // The tip up to its first NUL, as the shell shows it.
    static Text ShownTip(const NotifyIconRecord& r);
    const NotifyIconRecord* Find(WindowHandle receiver) const;
};

class FakeUi : public Ui {
public:
    struct Message {
        Text text;
        Text caption;
        std::uint32_t style;
    };
    int ShowMessage(const Text& text, const Text& caption, std::uint32_t style) override {
        messages.push_back({text, caption, style});
        if (onMessage) onMessage();  // what happens while the box is up
        return answer;
    }
    std::vector<Message> messages;
    std::function<void()> onMessage;
    int answer = kIdNo;
};

class FakeClock : public Clock {
public:
    LocalTime now{2026, 12, 6, 14, 5, 0, 0};
    LocalTime Now() override { return now; }
    Text SystemDate(const LocalTime&) override { return u"06/12/2026"; }
    Text SystemTime(const LocalTime&) override { return u"14:05:00"; }
    std::uint64_t ms = 0;
    std::uint64_t Milliseconds() override { return ms; }
};

class FakeHost : public EngineHost {
public:
    void SetPollTimer(bool enabled) override { timerEnabled = enabled; }
    void SetPollInterval(int ms) override { interval = ms; }
    WindowHandle OwnReceiver() override { return kOwnReceiver; }
    WindowHandle CreateReceiver(int slot) override;
    void DestroyReceiver(int slot) override { receivers.erase(slot); }
    IconHandle PictureIcon(Picture p) override {
        return IconHandle{0x100 + static_cast<std::uint64_t>(p) + pictureSet};
    }
    int TrayIconSize() override { return iconSize; }
    bool NewIconsGoToOverflow() override { return overflow; }
    void SetMainIcon(Picture p) override { mainIcon = p; }
    void ShowConfiguration() override { configurationVisible = true; }
    void EntriesChanged() override {}
    // As Windows: a combination held by another program, or by another id, is taken.
    std::uint32_t RegisterHotkey(int id, std::uint8_t modifiers, std::uint8_t key) override {
        const std::pair<std::uint8_t, std::uint8_t> combination{modifiers, key};
        if (takenElsewhere.count(combination)) return kErrorHotkeyTaken;
        for (auto& [held, c] : hotkeys)
            if (held != id && c == combination) return kErrorHotkeyTaken;
        hotkeys[id] = combination;
        return 0;
    }
    void UnregisterHotkey(int id) override { hotkeys.erase(id); }
    std::uint32_t SetRightClickHiding(bool on) override {
        if (on && rightClickRefusal) return rightClickRefusal;
        rightClickHiding = on;
        return 0;
    }
    void ShowOwnMenu() override { ++ownMenus; }
    void ShowIconMenu(int slot) override { iconMenus.push_back(slot); }
    void ShowTaskList() override { ++taskLists; }

    static constexpr WindowHandle kOwnReceiver{0x700};
    static WindowHandle ReceiverOf(int slot) { return WindowHandle{0x800 + static_cast<std::uint64_t>(slot)}; }
    int iconSize = 16;
    bool overflow = false;
    std::uint64_t pictureSet = 0;  // changes when the pictures are loaded at another size
    bool timerEnabled = false;
    int interval = 0;
    std::set<int> receivers;
    bool failReceivers = false;
    Picture mainIcon = Picture::NoneHidden;
    bool configurationVisible = false;
    int ownMenus = 0, taskLists = 0;
    std::map<int, std::pair<std::uint8_t, std::uint8_t>> hotkeys;  // by id
    bool rightClickHiding = false;
    std::uint32_t rightClickRefusal = 0;  // the error of installing the mouse hook
    std::set<std::pair<std::uint8_t, std::uint8_t>> takenElsewhere;
    std::vector<int> iconMenus;
};

}  // namespace hw::test
