#include "widgets/ColorRow.h"

#include "platform/ColorPicker.h"
#include "platform/MessageBoxes.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using widgets::ColorRow;

namespace {

const char* const kInvalidOrSelect =
    "Please enter a valid color value or click \"Select\" to choose a color.";

// A window with an item row (0), a style row (1) and a box after them.
struct RowsWindow {
    QWidget window;
    ColorRow* item = nullptr;
    ColorRow* styled = nullptr;
    QLineEdit* next = nullptr;

    RowsWindow() {
        auto* layout = new QHBoxLayout(&window);
        item = new ColorRow(0, widgets::kItemColorRow, new QLabel("Back Color:"), &window);
        styled = new ColorRow(1, widgets::kStyleColorRow, new QLabel("Text:"), &window);
        for (ColorRow* row : {item, styled}) {
            layout->addWidget(row->Box());
            layout->addWidget(row->Sample());
            layout->addWidget(row->SelectButton());
        }
        next = new QLineEdit(&window);
        layout->addWidget(next);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

// "title|text|buttons" of each message shown, then the list is emptied.
QStringList TakeMessages() {
    QStringList shown;
    for (const auto& [message, buttons] : platform::ShownMessages()) {
        shown << QString::fromStdString(message.title + '|' + message.text) + '|' +
                     (buttons == platform::MessageButtons::OkHelp ? "OkHelp" : "Ok");
        if (message.icon != model::MessageIcon::Exclamation) {
            shown.back() += "|not exclamation";
        }
    }
    platform::ClearShownMessages();
    return shown;
}

void Paste(ColorRow& row, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    row.Box()->setFocus();
    row.Box()->selectAll();
    QTest::keyClick(row.Box(), Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class ColorRowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::AnswerAutomatically(true);
        platform::ClearShownMessages();
        platform::ClearColorPickerRequests();
    }

    void typedKeysAreFilteredAndTheHashComesFirst() {
        RowsWindow rows;
        const QColor background = rows.window.palette().color(QPalette::Window);
        QLineEdit* box = rows.item->Box();
        box->setFocus();
        QTest::keyClicks(box, "1");
        QCOMPARE(box->text(), QString("#1"));
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(rows.item->SampleColor(), background);
        QTest::keyClicks(box, "#g 2ab9f");
        QCOMPARE(box->text(), QString("#12AB9F"));
        QCOMPARE(rows.item->SampleColor(), QColor(0x12, 0xAB, 0x9F));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString("#12AB9"));
        QCOMPARE(rows.item->SampleColor(), background);
        QTest::keyClicks(box, "F");

        // Enter adds nothing and moves on; a style row's sample turns transparent instead.
        QLineEdit* styled = rows.styled->Box();
        styled->setFocus();
        QTest::keyClicks(styled, "0A0B0C");
        QVERIFY(rows.styled->Sample()->autoFillBackground());
        QTest::keyClick(styled, Qt::Key_Return);
        QCOMPARE(styled->text(), QString("#0A0B0C"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rows.styled->SelectButton()));
        rows.styled->SetText("#0A0B");
        QVERIFY(!rows.styled->Sample()->autoFillBackground());
        QCOMPARE(rows.styled->SampleColor(), QColor(0x0A, 0x0B, 0x0C));
        QCOMPARE(TakeMessages(), QStringList());
    }

    void pastedTextIsCheckedAndABadDigitIsPutBack() {
        RowsWindow rows;
        Paste(*rows.item, "12ab9f");
        QCOMPARE(rows.item->Text(), QString("#12ab9f"));
        QCOMPARE(rows.item->SampleColor(), QColor(0x12, 0xAB, 0x9F));
        QCOMPARE(TakeMessages(), QStringList());

        // The item row falls back to "#", a style row to the colour its sample shows.
        Paste(*rows.item, "#12AB9G");
        QCOMPARE(rows.item->Text(), QString("#"));
        rows.item->SetText("#000000"); // else leaving it would be refused
        rows.styled->SetText("#102030");
        int finished = 0;
        connect(rows.styled, &ColorRow::changeCheckFinished, this, [&finished] { ++finished; });
        Paste(*rows.styled, "#1020 0");
        QCOMPARE(rows.styled->Text(), QString("#102030"));
        QCOMPARE(rows.styled->Box()->selectedText(), QString("102030"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rows.styled->Box()));
        QCOMPARE(finished, 1); // the put-back text; the bad one stopped its check
        QCOMPARE(TakeMessages(), (QStringList{QString("Oops!|") + kInvalidOrSelect + "|OkHelp",
                                              QString("Oops!|") + kInvalidOrSelect + "|OkHelp"}));

        // A first character that is no digit, letter or "#" cannot be converted.
        Paste(*rows.styled, "%ABCDEF");
        QCOMPARE(rows.styled->Text(), QString("#000000"));
        QCOMPARE(rows.styled->SampleColor(), QColor(Qt::black));
        QCOMPARE(TakeMessages(), QStringList{"Oops!|Please enter a valid color value.|Ok"});
    }

    void leavingAnIncompleteBoxRefusesIt() {
        RowsWindow rows;
        QLineEdit* box = rows.item->Box();
        box->setFocus();
        QTest::keyClicks(box, "12AB");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->text(), QString("#000000"));
        QCOMPARE(box->selectedText(), QString("000000"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box));
        QCOMPARE(TakeMessages(), QStringList{QString("Oops!|") + kInvalidOrSelect + "|OkHelp"});

        // A whole value leaves quietly; a context menu (to paste) does not leave the box.
        rows.next->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rows.next));
        rows.item->SetText("#1");
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(box, &popup);
        QCOMPARE(box->text(), QString("#1"));
        QCOMPARE(TakeMessages(), QStringList());
    }

    void theSelectButtonWritesThePickedColourAndSharesTheCustomOnes() {
        RowsWindow rows;
        rows.styled->SetText("#123456");
        platform::QueueColorChoice(0x0000FF);
        rows.item->SelectButton()->click();
        platform::QueueColorChoice(std::nullopt);
        rows.styled->SelectButton()->click();
        QCOMPARE(rows.item->Text() + rows.styled->Text(), QString("#FF0000#123456"));
        QCOMPARE(rows.item->SampleColor(), QColor(Qt::red));
        // The item row's picker starts at black, a style row's at its sample.
        QCOMPARE(platform::ColorPickerRequests().at(0).initial, 0u);
        QCOMPARE(platform::ColorPickerRequests().at(1).initial, 0x563412u);

        platform::AnswerAutomatically(false);
        ModalScript user;
        user.Then<QColorDialog>([](QColorDialog& dialog) {
            QCOMPARE(dialog.currentColor(), QColor(0x12, 0x34, 0x56));
            QCOMPARE(QColorDialog::customColor(0), QColor(Qt::white));
            QColorDialog::setCustomColor(2, Qt::red);
            QColorDialog::setCustomColor(3, Qt::black);
            dialog.setCurrentColor(QColor(0x10, 0x20, 0x30));
            dialog.accept();
        });
        rows.styled->SelectButton()->click();
        QVERIFY(user.Done());
        QCOMPARE(rows.styled->Text(), QString("#102030"));
        platform::AnswerAutomatically(true);
        rows.item->SelectButton()->click(); // nothing queued: cancelled
        const platform::CustomColors offered = platform::ColorPickerRequests().back().customColors;
        QCOMPARE(offered[2], 0x0000FFu);
        QCOMPARE(offered[3], 0xFFFFFFu);
        QCOMPARE(TakeMessages(), QStringList());
    }
};

QTEST_MAIN(ColorRowTest)
#include "ColorRowTest.moc"
