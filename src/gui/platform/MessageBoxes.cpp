#include "MessageBoxes.h"

#include "model/Translatable.h"

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

QString Translated(const std::string& english) {
    return QCoreApplication::translate("messages", english.c_str());
}

} // namespace

QString ShownText(const model::UserMessage& message) {
    const std::string translated = Translated(message.text).toStdString();
    return QString::fromStdString(model::FilledIn(translated, message.arguments));
}

MessageAnswer ShowMessage(QWidget* parent, const model::UserMessage& english,
                          MessageButtons buttons) {
    const model::UserMessage message{Translated(english.title).toStdString(),
                                     ShownText(english).toStdString(),
                                     english.icon,
                                     {}};
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
    ShowMessage(parent, {TRANSLATABLE("messages", "Error"),
                         TRANSLATABLE("messages", "Quorvane could not perform this operation due "
                                                  "to the following error:\n\n\"%1\""),
                         model::MessageIcon::Stop,
                         {reason.toStdString()}});
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
