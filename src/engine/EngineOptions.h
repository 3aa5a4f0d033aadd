#pragma once
// The options as the running engine holds them, for the options dialog.
#include "engine/TrayEngine.h"
#include "ui/OptionsTarget.h"

namespace hw {

class EngineOptions : public OptionsTarget {
public:
    explicit EngineOptions(TrayEngine& engine) : engine_(engine) {}

    OptionValues CurrentOptions() override { return engine_.CurrentSettings(); }
    bool SetStartWithWindows(bool on) override { return engine_.SetStartWithWindows(on); }
    void ApplyOptions(const OptionValues& options) override { engine_.ApplyOptions(options); }
    std::uint32_t TryHotkey(const Hotkey& hotkey) override { return engine_.TryHotkey(hotkey); }
    Text SettingsPlace() override { return engine_.SettingsPlace(); }

private:
    TrayEngine& engine_;
};

}  // namespace hw
