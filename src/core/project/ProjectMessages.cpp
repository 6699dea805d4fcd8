#include "project/ProjectMessages.h"

#include "project/FileNames.h"

namespace project {

model::UserMessage CouldNotLoadMessage(std::string_view path) {
    return {"Oops!",
            "Could not load \"" + FileNameOf(path) +
                "\". The file is either corrupt, not a valid Quorvane project file, or no "
                "longer exists.",
            model::MessageIcon::Warning};
}

model::UserMessage SaveProjectQuestion(ReplacedBy replacement) {
    const char* before = "closing";
    switch (replacement) {
    case ReplacedBy::NewProject:
        before = "creating a new project";
        break;
    case ReplacedBy::LoadedProject:
        before = "loading another project";
        break;
    case ReplacedBy::Closing:
        break;
    }
    return {"Save Project?",
            std::string("This menu project has been changed. Would you like to save your changes "
                        "before ") +
                before + "? (Click \"Cancel\" to go back to Quorvane.)",
            replacement == ReplacedBy::Closing ? model::MessageIcon::Exclamation
                                               : model::MessageIcon::Warning};
}

model::UserMessage MissingFontNote() {
    return {"Note",
            "This menu project uses a font that is not installed on your system. The default "
            "font will be used instead.",
            model::MessageIcon::Information};
}

} // namespace project
