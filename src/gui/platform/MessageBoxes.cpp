#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace platform {

namespace {

struct MessageSeam {
    bool automatic = false;
    std::deque<MessageAnswer> answers;
    std::vector<ShownMessage> shown;
};

MessageSeam& Seam() {
    static MessageSeam seam;
    return seam;
}

QMessageBox::Icon BoxIcon(model::MessageIcon icon) {
    switch (icon) {
    case model::MessageIcon::Exclamation:
    case model::MessageIcon::Warning:
        return QMessageBox::Warning;
    case model::MessageIcon::Information:
        return QMessageBox::Information;
    case model::MessageIcon::Question:
        return QMessageBox::Question;
    case model::MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkHelp:
        return QMessageBox::Ok | QMessageBox::Help;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer ShowMessage(QWidget* parent, const model::UserMessage& message,
                          MessageButtons buttons) {
    MessageSeam& seam = Seam();
    if (seam.automatic || !seam.answers.empty()) {
        seam.shown.push_back({message, buttons});
        if (seam.answers.empty()) {
            return MessageAnswer::Ok;
        }
        const MessageAnswer answer = seam.answers.front();
        seam.answers.pop_front();
        return answer;
    }
    QMessageBox box(BoxIcon(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), BoxButtons(buttons), parent);
    // Messages quote user text such as tags; it must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::OkHelp) {
        box.setEscapeButton(QMessageBox::Ok);
    }
    // Help keeps the box up, as the platform's Help button does; no topic is attached to it.
    do {
        box.exec();
    } while (box.clickedButton() != nullptr &&
             box.clickedButton() == box.button(QMessageBox::Help));
    return AnswerOf(box.standardButton(box.clickedButton()));
}

void ShowOperationError(QWidget* parent, const QString& reason) {
    const QString text = QCoreApplication::translate(
                             "platform", "Quorvane could not perform this operation due to the "
                                         "following error:") +
                         "\n\n\"" + reason + '"';
    ShowMessage(parent, {QCoreApplication::translate("platform", "Error").toStdString(),
                         text.toStdString(), model::MessageIcon::Stop});
}

void QueueAnswer(MessageAnswer answer) {
    Seam().answers.push_back(answer);
}

void AnswerAutomatically(bool on) {
    Seam().automatic = on;
}

bool AnsweringAutomatically() {
    return Seam().automatic;
}

const std::vector<ShownMessage>& ShownMessages() {
    return Seam().shown;
}

void ClearShownMessages() {
    Seam().shown.clear();
}

} // namespace platform
