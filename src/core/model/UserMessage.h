#pragma once

#include <string>

namespace model {

enum class MessageIcon { Exclamation, Warning, Information, Question, Stop };

// A message box as the user sees it; the window shows it, the engine only words it.
struct UserMessage {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Exclamation;

    bool operator==(const UserMessage&) const = default;
};

} // namespace model
