#pragma once
// Hidewell's engine on a simulated desktop, notification area, registry and host.
#include <gtest/gtest.h>

#include "fakes/SimulatedEngine.h"

namespace hw::test {

inline const Text kAppIcon = u"000:C:\\Apps\\app.exe";
inline const Text kOtherIcon = u"001:C:\\Apps\\other.dll";

class EngineTest : public ::testing::Test, public SimulatedEngine {
protected:
    EngineTest() {
        icons.files[u"C:\\Apps\\app.exe"] = 1;
        icons.files[u"C:\\Apps\\other.dll"] = 2;
    }

    WindowHandle Minimised(const Text& caption) { return desktop.Add(caption, true); }
    const NotifyIconRecord* SlotIcon(int slot) const { return tray.Find(FakeHost::ReceiverOf(slot)); }
    Text SlotTip(int slot) const { return SlotIcon(slot) ? FakeNotifyArea::ShownTip(*SlotIcon(slot)) : Text(u"<none>"); }
    bool Hidden(WindowHandle h) { return desktop.Exists(h) && !desktop[h].visible; }
    // What a popup or menu built now for the slot would carry.
    WindowRef Ref(int slot) const { return engine.Windows().SlotView(slot) ? engine.Windows().SlotView(slot)->ref : WindowRef{}; }
    WindowHandle SlotWindow(int slot) const { return Ref(slot).window; }
    int SlotView(const Text& caption) const {
        for (const HiddenWindowView& v : engine.Windows().HiddenWindows())
            if (v.caption == caption) return v.slot;
        return 0;
    }
};

}  // namespace hw::test
