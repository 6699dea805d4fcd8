#pragma once

#include "model/MenuProject.h"

// The menu and button options of the main window: which of them can be edited, and which edits
// count as changes to the project.
namespace model {

// One option the user edits on its own.
enum class OptionField {
    MenuName,
    Navigation,
    LinkTarget,
    FrameName,
    ButtonAlign,
    ButtonKind,
    ButtonText,
    ImageUrl,
    ImageWidth,
    ImageHeight,
    AltText,
};

struct OptionsAvailability {
    bool buttonOptions = false;  // the button's page, its kinds and the alignment
    bool standardButton = false; // its text and its style window
    bool graphicButton = false;  // the image address, size and alternative text
    bool frameName = false;

    bool operator==(const OptionsAvailability&) const = default;
};

// The button exists only when the menu navigates on a button click; the frame name matters only
// for a different frame.
OptionsAvailability AvailableOptions(const MenuOptions& menu, const ButtonOptions& button);

// Every edit of the menu name marks the project changed; the button text and the alignment never
// do; the other options only once the project has a file.
bool EditMarksProjectChanged(OptionField field, bool projectHasFile);

// The text of a text option (menu and frame name, button text, image address, width, height and
// alternative text); null for the options that are choices.
std::string* TextOption(MenuOptions& menu, ButtonOptions& button, OptionField field);
const std::string* TextOption(const MenuOptions& menu, const ButtonOptions& button,
                              OptionField field);

// A link target chosen by the user: the frame name goes with any target but a different frame.
void ChooseLinkTarget(MenuOptions& menu, LinkTarget target);

} // namespace model
