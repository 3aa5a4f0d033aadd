#pragma once
// The date icon as the tray engine drives it: the poll loop's date steps, and taking the
// icon away or back with the taskbar.
namespace hw {

class DateIconSteps {
public:
    virtual ~DateIconSteps() = default;
    // The date steps of a tick, run while the date icon is not hidden; with rebuild (window
    // icons came or went) the icon is added again behind the others.
    virtual void Tick(bool rebuild) = 0;
    virtual void RemoveIcon() = 0;
    virtual void OnTaskbarCreated() = 0;
};

}  // namespace hw
