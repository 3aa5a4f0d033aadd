#pragma once
// The options as the running engine holds them, for the options dialog.
#include "engine/TrayEngine.h"
#include "ui/OptionsTarget.h"

namespace hw {

class EngineOptions : public OptionsTarget {
public:
    explicit EngineOptions(TrayEngine& engine) : config_(engine.Config()), hotkeys_(engine.Keys()) {}

    OptionValues CurrentOptions() override { return config_.Current(); }
    bool SetStartWithWindows(bool on) override { return config_.SetStartWithWindows(on); }
    void ApplyOptions(const OptionValues& options) override { config_.ApplyOptions(options); }
    std::uint32_t TryHotkey(const Hotkey& hotkey) override { return hotkeys_.Try(hotkey); }
    void SetHotkeysAside(bool aside) override { hotkeys_.SetAside(aside); }
    Text SettingsPlace() override { return config_.Place(); }

private:
    SettingsPath& config_;
    Hotkeys& hotkeys_;
};

}  // namespace hw
