#include "generate/MenuCodeGenerator.h"
#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/ItemListControls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using mainwindow::Form1;
using platform::MessageAnswer;

namespace {

QCheckBox* Box(const Form1& form, const char* name) {
    return form.findChild<QCheckBox*>(name);
}

QString Text(const Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(name)->text();
}

bool Enabled(const Form1& form, const char* name) {
    return form.findChild<QWidget*>(name)->isEnabled();
}

// Each row as "text|linked|url|selected|back|text colour|heading", "*" after a bold one.
QStringList Rows(const Form1& form) {
    QStringList rows;
    int row = 0;
    for (const model::MenuItem& item : Items(form)->Items()) {
        const bool bold = Items(form)->index(row++, 0).data(Qt::FontRole).value<QFont>().bold();
        rows << QString::fromStdString(item.text + '|' + item.linked + '|' + item.url + '|' +
                                       item.selected + '|' + item.backColor + '|' + item.textColor +
                                       '|' + item.heading + (bold ? "*" : ""));
    }
    return rows;
}

// An item typed into the editor and added; without a link it is "Not linked" or a heading.
void Add(const Form1& form, const QString& text, const QString& link = {}) {
    Type(form, "itemtexttext", text);
    if (!link.isEmpty()) {
        Type(form, "linktext", link);
    } else if (!Box(form, "grheadchk")->isChecked()) {
        Box(form, "notlinkchk")->click();
    }
    Click(form, "additemcmd");
}

void AddHeading(const Form1& form, const QString& text) {
    Box(form, "grheadchk")->click();
    Add(form, text);
}

// "title|text" of each Yes/No question asked, then the record is emptied.
QStringList TakeQuestions() {
    QStringList asked;
    for (const auto& [message, buttons] : platform::ShownMessages()) {
        const bool yesNo = message.icon == model::MessageIcon::Question &&
                           buttons == platform::MessageButtons::YesNo;
        asked << QString::fromStdString(message.title + '|' + message.text) +
                     (yesNo ? "" : "|not a Yes/No question");
    }
    platform::ClearShownMessages();
    return asked;
}

QString SelectedQuestion(const QString& rowText) {
    return "Selected Item|You have already designated \"" + rowText +
           "\" as the selected item in the menu. Do you wish to change it to this one?";
}

} // namespace

class ItemEditingTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearShownMessages(); }

    void theFirstItemIsPreselectedAndLaterOnesAsk() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Add(form, "Home", "index.html");
        QCOMPARE(TakeQuestions(), QStringList());
        QVERIFY(form.Flags().projectChanged && !Box(form, "chksel")->isChecked());
        QCOMPARE(Text(form, "itemtexttext") + Text(form, "linktext"), QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("itemtexttext"));

        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            Box(form, "chksel")->click();
            platform::QueueAnswer(answer);
            Add(form, answer == MessageAnswer::No ? "About" : "Shop", "x.html");
            QCOMPARE(TakeQuestions(), QStringList{SelectedQuestion("Home")});
            QVERIFY(!Box(form, "chksel")->isChecked());
        }
        QCOMPARE(Rows(form), (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                                          "About|Yes|x.html|No|Default|Default|No",
                                          "Shop|Yes|x.html|Yes|Default|Default|No"}));
        QCOMPARE(SelectedRow(form), 2);

        // Updating the preselected row with the box still checked asks nothing.
        Trigger(form, "edit");
        QVERIFY(Box(form, "chksel")->isChecked());
        Retype(form, "itemtexttext", "Shop now");
        Click(form, "cmdup");
        QCOMPARE(TakeQuestions(), QStringList());
        QCOMPARE(Rows(form).at(2), QString("Shop now|Yes|x.html|Yes|Default|Default|No"));
    }

    void markersFollowTheHeadingsAboveTheRowBeingWritten() {
        Form1 form;
        Add(form, "Home", "index.html");
        AddHeading(form, "Fruit");
        Add(form, "Apples", "apples.html");
        Add(form, "   Pears");
        QCOMPARE(Rows(form), (QStringList{"Home|Yes|index.html|Yes|Default|Default|No",
                                          "Fruit|No||No|Default|Default|Yes*",
                                          "   Apples|Yes|apples.html|No|Default|Default|No",
                                          "      Pears|No||No|Default|Default|No"}));
        // The question names the preselected row as the list holds it.
        SelectRow(form, 2);
        Trigger(form, "edit");
        Box(form, "chksel")->click();
        platform::QueueAnswer(MessageAnswer::Yes);
        Click(form, "cmdup");
        Box(form, "chksel")->click();
        Add(form, "Plums", "plums.html");
        QCOMPARE(TakeQuestions(),
                 (QStringList{SelectedQuestion("Home"), SelectedQuestion("   Apples")}));

        // Moving past the only heading takes the marker off and puts it back, never twice;
        // a heading moved past rows leaves their texts alone.
        SelectRow(form, 2);
        Trigger(form, "movup");
        QCOMPARE(Rows(form).mid(1, 2), (QStringList{"Apples|Yes|apples.html|Yes|Default|Default|No",
                                                    "Fruit|No||No|Default|Default|Yes*"}));
        QCOMPARE(SelectedRow(form), 1);
        Trigger(form, "movdn");
        SelectRow(form, 3);
        Trigger(form, "movup");
        SelectRow(form, 1);
        Trigger(form, "movdn");
        Trigger(form, "movdn");
        QCOMPARE(SelectedRow(form), 3);
        QCOMPARE(Rows(form), (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                                          "      Pears|No||No|Default|Default|No",
                                          "   Apples|Yes|apples.html|Yes|Default|Default|No",
                                          "Fruit|No||No|Default|Default|Yes*",
                                          "   Plums|Yes|plums.html|No|Default|Default|No"}));

        // "Delete" asks; the rows after a deleted heading keep their marker, and the next row
        // (or the new last one) is selected.
        platform::QueueAnswer(MessageAnswer::No);
        Trigger(form, "delete");
        QCOMPARE(Items(form)->rowCount(), 5);
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "delete");
        QCOMPARE(Rows(form).at(3), QString("   Plums|Yes|plums.html|No|Default|Default|No"));
        QCOMPARE(SelectedRow(form), 3);
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "mnuListPopRem");
        QCOMPARE(SelectedRow(form), 2);
        QCOMPARE(TakeQuestions(), QStringList(3, "Confirm Delete|Delete selected item?"));
    }

    void headingsAndUnlinkedItemsCarryNoLinkAndEditLoadsThem() {
        Form1 form;
        Type(form, "itemtexttext", "Note");
        Type(form, "linktext", "kept.html");
        Box(form, "notlinkchk")->click();
        QVERIFY(!Enabled(form, "linktext") && Text(form, "linktext") == "kept.html");
        Click(form, "additemcmd");
        Type(form, "linktext", "typed.html");
        Box(form, "grheadchk")->click();
        QCOMPARE(Text(form, "linktext"), QString());
        for (const char* name : {"linktext", "linklbl", "chksel", "notlinkchk"}) {
            QVERIFY2(!Enabled(form, name), name);
        }
        Add(form, "Fruit");
        Add(form, "   Spaced", "spaced.html");
        QCOMPARE(Rows(form), (QStringList{"Note|No||Yes|Default|Default|No",
                                          "Fruit|No||No|Default|Default|Yes*",
                                          "      Spaced|Yes|spaced.html|No|Default|Default|No"}));

        // "Edit" changes nothing; an updated heading is linked without an address.
        form.Flags().projectChanged = false;
        Trigger(form, "edit");
        QCOMPARE(Text(form, "itemtexttext") + '|' + Text(form, "linktext"),
                 QString("   Spaced|spaced.html"));
        SelectRow(form, 0);
        Trigger(form, "mnuListPopEdt");
        QVERIFY(Box(form, "notlinkchk")->isChecked() && Box(form, "chksel")->isChecked());
        QVERIFY(!form.Flags().projectChanged);
        Click(form, "cmdup");
        SelectRow(form, 1);
        Trigger(form, "edit");
        QVERIFY(Box(form, "grheadchk")->isChecked() && !Enabled(form, "notlinkchk"));
        Click(form, "cmdup");
        QCOMPARE(Rows(form).mid(0, 2), (QStringList{"Note|No||Yes|Default|Default|No",
                                                    "Fruit|Yes||No|Default|Default|Yes*"}));
        QVERIFY(form.Flags().projectChanged && Enabled(form, "linktext"));
    }

    void itemColoursComeFromTheBoxesOrTheMenu() {
        Form1 form;
        const QColor background = form.palette().color(QPalette::Window);
        const auto swatches = [&form] {
            return QList<QColor>{
                form.findChild<QLabel*>("lblclr0")->palette().color(QPalette::Window),
                form.findChild<QLabel*>("lblclr1")->palette().color(QPalette::Window)};
        };
        QCOMPARE(swatches(), (QList<QColor>{background, background}));
        Box(form, "chkdefitmclr")->click();
        for (const char* name : {"txtclr0", "lblclr0", "cmdclr0", "Label30", "txtclr1", "lblclr1",
                                 "cmdclr1", "Label31"}) {
            QVERIFY2(Enabled(form, name), name);
        }
        QCOMPARE(Text(form, "txtclr0") + Text(form, "txtclr1"), QString("#FFFFFF#000000"));
        QCOMPARE(swatches(), (QList<QColor>{Qt::white, Qt::black}));
        Retype(form, "txtclr0", "ffff00");
        Add(form, "Sale", "sale.html");
        Add(form, "Plain", "plain.html");
        QCOMPARE(Rows(form), (QStringList{"Sale|Yes|sale.html|Yes|#FFFF00|#000000|No",
                                          "Plain|Yes|plain.html|No|Default|Default|No"}));
        QVERIFY(Box(form, "chkdefitmclr")->isChecked() && !Enabled(form, "txtclr0"));
        QCOMPARE(swatches(), (QList<QColor>{background, background}));

        SelectRow(form, 0);
        Trigger(form, "edit");
        QVERIFY(!Box(form, "chkdefitmclr")->isChecked());
        QCOMPARE(swatches(), (QList<QColor>{Qt::yellow, Qt::black}));
        SelectRow(form, 1);
        Trigger(form, "edit");
        QVERIFY(Box(form, "chkdefitmclr")->isChecked() && !Enabled(form, "cmdclr1"));
    }

    void codeFromAListBuiltInTheEditorIsTheEnginesCode() {
        Form1 form;
        Add(form, "Home", "index.html");
        Box(form, "chksel")->click();
        Box(form, "chkdefitmclr")->click();
        Retype(form, "txtclr0", "FFFF00");
        Retype(form, "txtclr1", "000080");
        platform::QueueAnswer(MessageAnswer::Yes);
        Add(form, "About", "about.html");
        AddHeading(form, "Fruit");
        Add(form, "Apple", "a.html");
        const model::MenuProject built = form.BuildProject();
        model::MenuProject record = built;
        record.items = {{"Home", "Yes", "index.html", "No", "Default", "Default", "No"},
                        {"About", "Yes", "about.html", "Yes", "#FFFF00", "#000080", "No"},
                        {"Fruit", "No", "", "No", "Default", "Default", "Yes"},
                        {"   Apple", "Yes", "a.html", "No", "Default", "Default", "No"}};
        QVERIFY(built.items == record.items);
        const auto code = generate::GenerateMenuCode(built, generate::CodeTarget::Clip);
        const auto engine = generate::GenerateMenuCode(record, generate::CodeTarget::Clip);
        QCOMPARE(QByteArray::fromStdString(code.javaScript + code.html),
                 QByteArray::fromStdString(engine.javaScript + engine.html));
        QVERIFY(code.html.find(
                    "<OPTION value=\"index.html\" style=\"background-color='';color=''\">Home"
                    "</OPTION>\r\n<OPTION value=\"about.html\" SELECTED style=\"background-color="
                    "'#FFFF00';color='#000080'\">About</OPTION>\r\n<OPTGROUP LABEL=\"Fruit\">\r\n"
                    "<OPTION value=\"a.html\" style=\"background-color='';color=''\">Apple"
                    "</OPTION>\r\n</OPTGROUP>\r\n</select>\r\n") != std::string::npos);
    }
};

QTEST_MAIN(ItemEditingTest)
#include "ItemEditingTest.moc"
