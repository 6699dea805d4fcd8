#pragma once

#include "model/UserMessage.h"

#include <QString>
#include <vector>

class QWidget;

// Every message box of the program goes through here, so a test can answer it in advance.
namespace platform {

enum class MessageButtons { Ok, OkHelp, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The message's text in the user's language, its arguments filled in.
QString ShownText(const model::UserMessage& message);

// Shows the message modally over `parent`, in the user's language, and returns the button the
// user chose.
MessageAnswer ShowMessage(QWidget* parent, const model::UserMessage& message,
                          MessageButtons buttons = MessageButtons::Ok);

// The "Error" box (stop icon) that tells why an operation failed; `reason` is shown in quotes.
void ShowOperationError(QWidget* parent, const QString& reason);

// Test seam: while answers are queued, no box is shown; each message takes the next answer
// (OK when the queue is empty) and is recorded.
struct ShownMessage {
    model::UserMessage message;
    MessageButtons buttons;
};
void QueueAnswer(MessageAnswer answer);
void AnswerAutomatically(bool on); // answer OK (or the queued answer) instead of showing boxes
bool AnsweringAutomatically();     // the file dialogs then cancel unless a name is queued
const std::vector<ShownMessage>& ShownMessages();
void ClearShownMessages();

} // namespace platform
