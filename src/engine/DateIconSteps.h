#pragma once
// The date icon as the tray engine drives it: the poll loop's date steps, and taking the
// icon away or back with the taskbar.
namespace hw {

class DateIconSteps {
public:
    virtual ~DateIconSteps() = default;
    // The date steps of a tick, run while the date icon is not hidden; clears
    // rebuildRequested once the icon has been added again behind the others.
    virtual void Tick(bool& rebuildRequested) = 0;
    virtual void RemoveIcon() = 0;
    virtual void OnTaskbarCreated() = 0;
};

}  // namespace hw
