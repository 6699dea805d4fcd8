#include "widgets/ColorRow.h"

#include "platform/ColorPicker.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QtTest>

using widgets::ColorRow;

namespace {

const QString kInvalidOrSelect =
    "Oops!|Please enter a valid color value or click \"Select\" to choose a color.|!|OkHelp";

// A window with an item row (0), a style row (1) and a box after them.
struct RowsWindow {
    QWidget window;
    ColorRow* item = new ColorRow(0, widgets::kItemColorRow, new QLabel("Back:"), &window);
    ColorRow* styled = new ColorRow(1, widgets::kStyleColorRow, new QLabel("Text:"), &window);
    QLineEdit* next = new QLineEdit(&window);

    RowsWindow() {
        auto* layout = new QHBoxLayout(&window);
        for (ColorRow* row : {item, styled}) {
            layout->addWidget(row->Box());
            layout->addWidget(row->Sample());
            layout->addWidget(row->SelectButton());
        }
        layout->addWidget(next);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

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
        QCOMPARE(box->text() + QString::number(box->cursorPosition()), QString("#12"));
        QCOMPARE(rows.item->SampleColor(), background);
        QTest::keyClicks(box, "#g 2ab9f");
        QCOMPARE(box->text(), QString("#12AB9F"));
        QCOMPARE(rows.item->SampleColor(), QColor(0x12, 0xAB, 0x9F));
        QTest::keyClick(box, Qt::Key_Backspace);
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
        QCOMPARE(rows.styled->Text() + '|' + rows.styled->Box()->selectedText(),
                 QString("#102030|102030"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rows.styled->Box()));
        QCOMPARE(finished, 1); // the put-back text; the bad one stopped its check
        QCOMPARE(TakeMessages(true), QStringList(2, kInvalidOrSelect));

        // A first character that is no digit, letter or "#" cannot be converted.
        Paste(*rows.styled, "%ABCDEF");
        QCOMPARE(rows.styled->Text(), QString("#000000"));
        QCOMPARE(rows.styled->SampleColor(), QColor(Qt::black));
        QCOMPARE(TakeMessages(true), QStringList{"Oops!|Please enter a valid color value.|!|Ok"});
    }

    void leavingAnIncompleteBoxRefusesIt() {
        RowsWindow rows;
        QLineEdit* box = rows.item->Box();
        box->setFocus();
        QTest::keyClicks(box, "12AB");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->text() + '|' + box->selectedText(), QString("#000000|000000"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box));
        QCOMPARE(TakeMessages(true), QStringList{kInvalidOrSelect});

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
        QCOMPARE(QList<uint>({offered[2], offered[3]}), QList<uint>({0x0000FFu, 0xFFFFFFu}));
        QCOMPARE(TakeMessages(), QStringList());
    }
};

QTEST_MAIN(ColorRowTest)
#include "ColorRowTest.moc"
