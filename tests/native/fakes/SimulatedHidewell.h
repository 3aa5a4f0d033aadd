#pragma once
// Hidewell's engine on a simulated desktop, notification area, registry and forms.
#include "engine/Hidewell.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeIcons.h"
#include "fakes/FakeShell.h"
#include "fakes/PlantedSettings.h"

namespace hw::test {

struct SimulatedHidewell {
    // Stores the entries as settings and starts Hidewell on them.
    void Start(const Entries& entries, int interval = 500) {
        PlantEntries(reg, entries);
        PlantSetting(reg, u"RT", DecimalText(interval));
        engine.Form_Load();
    }

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
