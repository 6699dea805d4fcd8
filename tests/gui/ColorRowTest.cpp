#include "widgets/ColorRow.h"

#include "platform/ColorPicker.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QtTest>

using widgets::ColorRow;

namespace {

// A window with a box that takes the first focus, an item row (0) and a style row (1).
struct RowsWindow {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    ColorRow* rows[2] = {new ColorRow(0, widgets::kItemColorRow, new QLabel("Back:"), &window),
                         new ColorRow(1, widgets::kStyleColorRow, new QLabel("Text:"), &window)};

    RowsWindow() {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(first);
        for (ColorRow* row : rows) {
            layout->addWidget(row->Box());
            layout->addWidget(row->Sample());
            layout->addWidget(row->SelectButton());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class ColorRowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    // A bad digit puts back "#" in an item row and the sample's colour in a style row; a whole
    // value shows in the sample, anything less in an item row the window's colour.
    void typedKeysAreFilteredAndPastedTextIsChecked() {
        const char* const invalidOrSelect = "Oops!|Please enter a valid color value or click "
                                            "\"Select\" to choose a color.|!|OkHelp";
        const struct {
            int row;
            bool paste;
            const char *before, *input, *after, *message;
        } cases[] = {
            {0, false, "", "1#g 2ab9f", "#12AB9F", ""},
            {0, false, "", "12ab9", "#12AB9", ""},
            {0, true, "", "12ab9f", "#12ab9f", ""},
            {0, true, "", "#12AB9G", "#", invalidOrSelect},
            {1, true, "#102030", "#1020 0", "#102030", invalidOrSelect},
            {1, true, "#102030", "%ABCDEF", "#000000",
             "Oops!|Please enter a valid color value.|!|Ok"},
        };
        for (const auto& [index, paste, before, input, after, message] : cases) {
            RowsWindow window;
            ColorRow& row = *window.rows[index];
            row.SetText(before);
            row.Box()->setFocus();
            if (paste) {
                QGuiApplication::clipboard()->setText(input);
                row.Box()->selectAll();
                QTest::keyClick(row.Box(), Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(row.Box(), input);
            }
            QCOMPARE(row.Text(), QString(after));
            QCOMPARE(row.SampleColor(), QString(after).size() == 7
                                            ? QColor(after)
                                            : window.window.palette().window().color());
            QCOMPARE(TakeMessages(true).join('\n'), QString(message));
        }
    }

    // The item row's picker starts at black, a style row's at its sample.
    void theSelectButtonWritesThePickedColour() {
        RowsWindow window;
        auto [item, styled] = window.rows;
        styled->SetText("#123456");
        platform::QueueColorChoice(0x0000FF);
        item->SelectButton()->click();
        platform::QueueColorChoice(std::nullopt);
        styled->SelectButton()->click();
        QCOMPARE(item->Text() + styled->Text(), QString("#FF0000#123456"));
        QCOMPARE(item->SampleColor(), QColor(Qt::red));
        QCOMPARE(platform::ColorPickerRequests().at(0).initial, 0u);
        QCOMPARE(platform::ColorPickerRequests().at(1).initial, 0x563412u);
    }
};

QTEST_MAIN(ColorRowTest)
#include "ColorRowTest.moc"
