#pragma once
// A second start of Hidewell hands over to the copy that runs already.
namespace hw {

// Asks the running copy to show its configuration window; does nothing when none is found.
void ShowRunningInstance();

}  // namespace hw
