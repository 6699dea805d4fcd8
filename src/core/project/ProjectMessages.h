#pragma once

#include "model/UserMessage.h"

#include <string_view>

namespace project {

// Told when a project file is missing, unreadable or refused; names the file without folder.
model::UserMessage CouldNotLoadMessage(std::string_view path);

// What is about to replace a changed project.
enum class ReplacedBy { NewProject, LoadedProject, Closing };

// "Save Project?", asked with Yes, No and Cancel before a changed project is replaced.
model::UserMessage SaveProjectQuestion(ReplacedBy replacement);

// Told once for each style whose stored font is not installed.
model::UserMessage MissingFontNote();

} // namespace project
