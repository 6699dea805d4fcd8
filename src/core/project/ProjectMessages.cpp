#include "project/ProjectMessages.h"

#include "model/Translatable.h"
#include "project/FileNames.h"

namespace project {

model::UserMessage CouldNotLoadMessage(std::string_view path) {
    return {TRANSLATABLE("messages", "Oops!"),
            TRANSLATABLE("messages",
                         "Could not load \"%1\". The file is either corrupt, not a valid Quorvane "
                         "project file, or no longer exists."),
            model::MessageIcon::Warning,
            {FileNameOf(path)}};
}

model::UserMessage SaveProjectQuestion(ReplacedBy replacement) {
    const char* text =
        TRANSLATABLE("messages", "This menu project has been changed. Would you like to save "
                                 "your changes before closing? (Click \"Cancel\" to go back to "
                                 "Quorvane.)");
    switch (replacement) {
    case ReplacedBy::NewProject:
        text = TRANSLATABLE("messages",
                            "This menu project has been changed. Would you like to save your "
                            "changes before creating a new project? (Click \"Cancel\" to go back "
                            "to Quorvane.)");
        break;
    case ReplacedBy::LoadedProject:
        text = TRANSLATABLE("messages",
                            "This menu project has been changed. Would you like to save your "
                            "changes before loading another project? (Click \"Cancel\" to go back "
                            "to Quorvane.)");
        break;
    case ReplacedBy::Closing:
        break;
    }
    return {TRANSLATABLE("messages", "Save Project?"),
            text,
            replacement == ReplacedBy::Closing ? model::MessageIcon::Exclamation
                                               : model::MessageIcon::Warning,
            {}};
}

model::UserMessage MissingFontNote() {
    return {TRANSLATABLE("messages", "Note"),
            TRANSLATABLE("messages",
                         "This menu project uses a font that is not installed on your system. The "
                         "default font will be used instead."),
            model::MessageIcon::Information,
            {}};
}

} // namespace project
