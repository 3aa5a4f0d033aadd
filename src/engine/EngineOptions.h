#pragma once
// The five options as the running engine holds them, for the options dialog.
#include "engine/TrayEngine.h"
#include "ui/OptionsTarget.h"

namespace hw {

class EngineOptions : public OptionsTarget {
public:
    explicit EngineOptions(TrayEngine& engine) : engine_(engine) {}

    OptionValues CurrentOptions() override;
    bool SetStartWithWindows(bool on) override { return engine_.SetStartWithWindows(on); }
    void SetHideOwnIcon(bool on) override { engine_.SetHideOwnIcon(on); }
    void SetSingleClickRestores(bool on) override { engine_.SetSingleClickRestores(on); }
    void SetPollInterval(int ms) override { engine_.SetPollInterval(ms); }
    void SetHideDateIcon(bool on) override { engine_.SetHideDateIcon(on); }
    void RemoveDateIcon() override { engine_.RemoveDateIcon(); }
    void RefreshDateIcon() override { engine_.RequestDateRebuild(); }
    void RefreshOwnIcon() override { engine_.ReconsiderOwnIcon(); }

private:
    TrayEngine& engine_;
};

}  // namespace hw
