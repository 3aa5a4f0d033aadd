#pragma once
// What the engine needs of the platform: built once by the program (and once by the tests'
// simulated world), each member named.
#include "platform/CaseMapping.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/EngineHost.h"
#include "platform/Icons.h"
#include "platform/Log.h"
#include "platform/NotifyArea.h"
#include "platform/Registry.h"
#include "platform/Ui.h"

namespace hw {

struct Platform {
    Desktop& desktop;
    NotifyArea& tray;
    Ui& ui;
    EngineHost& host;
    Registry& registry;
    Icons& icons;
    Clock& clock;
    const CaseMapping& caseMapping;
    Text programPath;
    Log& log;
};

}  // namespace hw
