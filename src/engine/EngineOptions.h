#pragma once
// The five options as the running engine holds them, for the options dialog.
#include "engine/TrayEngine.h"
#include "ui/OptionsTarget.h"

namespace hw {

class EngineOptions : public OptionsTarget {
public:
    explicit EngineOptions(TrayEngine& engine) : engine_(engine) {}

    OptionValues CurrentOptions() override;
    bool SetStartWithWindows(bool on) override { return engine_.store.SetStartWithWindows(on); }
    void SetHideOwnIcon(bool on) override { engine_.settings.hideOwnIcon = on; }
    void SetSingleClickRestores(bool on) override { engine_.settings.singleClickRestores = on; }
    void SetPollInterval(int ms) override;
    void SetHideDateIcon(bool on) override { engine_.settings.hideDateIcon = on; }
    void RemoveDateIcon() override { engine_.RemoveDateIcon(); }
    void RefreshDateIcon() override { engine_.dateRebuildRequested = true; }
    void RefreshOwnIcon() override { engine_.ReconsiderOwnIcon(); }

private:
    TrayEngine& engine_;
};

}  // namespace hw
