#pragma once
// The topics a Help button or menu item asks for. Every Help call in the program names one.
namespace hw {

enum class HelpContext : int {
    Contents = 0,
    ConfigurationWindow = 1,
    NewEntry = 5,
    EditEntry = 6,
    Options = 11,
    IconPicker = 18,
    TaskList = 21,
    DateAddOn = 22,
};

}  // namespace hw
