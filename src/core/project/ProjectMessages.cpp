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

} // namespace project
