#pragma once
// Hidewell's engine on a simulated desktop, notification area, registry and host.
#include <optional>
#include <utility>

#include "engine/TrayEngine.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeIcons.h"
#include "fakes/FakeShell.h"
#include "fakes/PlantedSettings.h"
#include "fakes/RecordingLog.h"
#include "fakes/TableCaseMapping.h"

namespace hw::test {

// The clock of the simulated desktop's time.
struct DesktopClock : FakeClock {
    explicit DesktopClock(const FakeDesktop& desktop) : desktop(desktop) {}
    std::uint64_t Milliseconds() override { return static_cast<std::uint64_t>(desktop.NowMs()); }
    const FakeDesktop& desktop;
};

struct SimulatedEngine {
    // Stores the entries as settings and starts Hidewell on them.
    void Start(const Entries& entries, int interval = 500, bool withWindows = false) {
        PlantEntries(reg, entries);
        PlantSetting(reg, kOptionSettings[0].name, DecimalText(interval));
        engine.Start(withWindows);
    }
    // Edits the entries as the configuration window does.
    template <typename Edit>
    void EditEntries(Edit edit) {
        Entries entries = engine.Config().Current().entries;
        edit(entries);
        engine.Config().SetEntries(std::move(entries));
    }
    // Hidewell ends (killed, or quit for a restart) and a new one is made on the same platform,
    // not started yet; engine names the new one.
    void Restart() {
        running.reset();
        running.emplace(platform);
    }
    // Changes options as the options dialog does.
    template <typename Change>
    void SetOptions(Change change) {
        OptionValues options = engine.Config().Current();
        change(options);
        engine.Config().ApplyOptions(options);
    }
    // The poll timer fires once its interval has passed, and the programs then carry out what
    // the tick asked of them, as responsive programs do at once.
    void Tick() {
        desktop.Advance(host.interval);
        engine.PollTick();
        desktop.Advance();
    }

    FakeDesktop desktop;
    FakeNotifyArea tray;
    FakeUi ui;
    FakeHost host;
    MemoryRegistry reg;
    FakeIcons icons;
    DesktopClock clock{desktop};
    TableCaseMapping caseMapping;
    RecordingLog log;
    Platform platform{.desktop = desktop,
                      .tray = tray,
                      .ui = ui,
                      .host = host,
                      .registry = reg,
                      .icons = icons,
                      .clock = clock,
                      .caseMapping = caseMapping,
                      .programPath = u"C:\\Tools\\Hidewell.exe",
                      .log = log};
    std::optional<TrayEngine> running{std::in_place, platform};
    // Made again in the same place by Restart, so that the name stays good.
    TrayEngine& engine = *running;
};

}  // namespace hw::test
