#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace model {

enum class MessageIcon { Exclamation, Warning, Information, Question, Stop };

// A message box as the user sees it; the window shows it, the engine only words it. The title
// and text are English, the window shows them translated; %1, %2 ... in the text stand for the
// arguments, which are the user's own (a file name) and shown as they are.
struct UserMessage {
    UserMessage() = default;
    UserMessage(std::string messageTitle, std::string messageText,
                MessageIcon messageIcon = MessageIcon::Exclamation,
                std::vector<std::string> messageArguments = {})
        : title(std::move(messageTitle)), text(std::move(messageText)), icon(messageIcon),
          arguments(std::move(messageArguments)) {}

    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Exclamation;
    std::vector<std::string> arguments;

    // The English text with its arguments in place.
    std::string Text() const;

    bool operator==(const UserMessage&) const = default;
};

// `text` with %1, %2 ... replaced by the arguments in order.
std::string FilledIn(std::string_view text, const std::vector<std::string>& arguments);

} // namespace model
