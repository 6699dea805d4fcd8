#include "platform/MessageBoxes.h"

#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>
#include <memory>

using platform::MessageAnswer;
using platform::MessageButtons;

class MessageBoxesTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::AnswerAutomatically(true);
        platform::ClearShownMessages();
    }

    void queuedAnswersAreTakenInOrderAndRecorded() {
        platform::QueueAnswer(MessageAnswer::No);
        platform::QueueAnswer(MessageAnswer::Cancel);
        const model::UserMessage save{"Save Project?", "Save?", model::MessageIcon::Question};
        QCOMPARE(platform::ShowMessage(nullptr, save, MessageButtons::YesNoCancel),
                 MessageAnswer::No);
        QCOMPARE(platform::ShowMessage(nullptr, save, MessageButtons::YesNoCancel),
                 MessageAnswer::Cancel);
        QCOMPARE(platform::ShowMessage(nullptr, {"Oops!", "x"}), MessageAnswer::Ok);

        const auto& shown = platform::ShownMessages();
        QCOMPARE(shown.size(), 3u);
        QVERIFY(shown[0].message == save);
        QCOMPARE(shown[1].buttons, MessageButtons::YesNoCancel);
        QCOMPARE(shown[2].message.title, std::string("Oops!"));
        QCOMPARE(shown[2].buttons, MessageButtons::Ok);
    }

    void operationErrorQuotesTheReasonUnderTheStopIcon() {
        platform::ShowOperationError(nullptr, "disk full");
        QCOMPARE(platform::ShownMessages().size(), 1u);
        const model::UserMessage& message = platform::ShownMessages()[0].message;
        QCOMPARE(message.title, std::string("Error"));
        QCOMPARE(message.icon, model::MessageIcon::Stop);
        QCOMPARE(message.text, std::string("Quorvane could not perform this operation due to the "
                                           "following error:\n\n\"disk full\""));
    }

    void aShownBoxHasTheIconButtonsAndPlainText() {
        platform::AnswerAutomatically(false);
        auto acted = WhenModalShows<QMessageBox>([](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QString("Selected Item"));
            QCOMPARE(box.text(), QString("<b>not bold</b>"));
            QCOMPARE(box.textFormat(), Qt::PlainText);
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)->click();
        });
        const MessageAnswer answer = platform::ShowMessage(
            nullptr, {"Selected Item", "<b>not bold</b>", model::MessageIcon::Exclamation},
            MessageButtons::YesNo);
        QCOMPARE(answer, MessageAnswer::Yes);
        QVERIFY(*acted);

        acted = WhenModalShows<QMessageBox>([](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Critical);
            box.button(QMessageBox::No)->click();
        });
        QCOMPARE(platform::ShowMessage(nullptr, {"t", "x", model::MessageIcon::Stop},
                                       MessageButtons::YesNoCancel),
                 MessageAnswer::No);
        QVERIFY(*acted);
        QVERIFY(platform::ShownMessages().empty());
    }

    void helpKeepsTheBoxUpUntilOk() {
        platform::AnswerAutomatically(false);
        std::shared_ptr<bool> shownAgain;
        WhenModalShows<QMessageBox>([&shownAgain](QMessageBox& box) {
            shownAgain = WhenModalShows<QMessageBox>([](QMessageBox& again) {
                QCOMPARE(again.icon(), QMessageBox::Information);
                again.button(QMessageBox::Ok)->click();
            });
            box.button(QMessageBox::Help)->click();
        });
        QCOMPARE(platform::ShowMessage(nullptr, {"t", "x", model::MessageIcon::Information},
                                       MessageButtons::OkHelp),
                 MessageAnswer::Ok);
        QVERIFY(shownAgain && *shownAgain);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
