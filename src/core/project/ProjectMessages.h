#pragma once

#include "model/UserMessage.h"

#include <string_view>

namespace project {

// Told when a project file is missing, unreadable or refused; names the file without folder.
model::UserMessage CouldNotLoadMessage(std::string_view path);

} // namespace project
