#include "generate/MenuCodeGenerator.h"
#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QTreeView>
#include <QtTest>

using mainwindow::Form1;
using platform::MessageAnswer;

namespace {

mainwindow::ItemListModel* Items(const Form1& form) {
    return static_cast<mainwindow::ItemListModel*>(form.findChild<QTreeView*>("lv")->model());
}

QCheckBox* Box(const Form1& form, const char* name) {
    return form.findChild<QCheckBox*>(name);
}

QLineEdit* Text(const Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(name);
}

// Each row as "text|linked|url|selected|back|text colour|heading".
QStringList Rows(const Form1& form) {
    QStringList rows;
    for (const model::MenuItem& item : Items(form)->Items()) {
        rows << QString::fromStdString(item.text + '|' + item.linked + '|' + item.url + '|' +
                                       item.selected + '|' + item.backColor + '|' + item.textColor +
                                       '|' + item.heading);
    }
    return rows;
}

int SelectedRow(const Form1& form) {
    const QModelIndexList rows = form.findChild<QTreeView*>("lv")->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

void SelectRow(const Form1& form, int row) {
    form.findChild<QTreeView*>("lv")->setCurrentIndex(Items(form)->index(row, 0));
}

// An item typed into the editor and added; `link` empty means "Not linked" unless a heading.
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

// "title|text" of each question asked, then the list is emptied.
QStringList TakeQuestions() {
    QStringList asked;
    for (const auto& [message, buttons] : platform::ShownMessages()) {
        asked << QString::fromStdString(message.title + '|' + message.text);
        if (message.icon != model::MessageIcon::Question ||
            buttons != platform::MessageButtons::YesNo) {
            asked.back() += "|not a Yes/No question";
        }
    }
    platform::ClearShownMessages();
    return asked;
}

QString SelectedQuestion(const QString& rowText) {
    return "Selected Item|You have already designated \"" + rowText +
           "\" as the selected item in the menu. Do you wish to change it to this one?";
}

const QString kConfirmDelete = "Confirm Delete|Delete selected item?";

bool IsBold(const Form1& form, int row) {
    return Items(form)->data(Items(form)->index(row, 0), Qt::FontRole).value<QFont>().bold();
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
        QCOMPARE(Rows(form), QStringList{"Home|Yes|index.html|Yes|Default|Default|No"});
        QCOMPARE(TakeQuestions(), QStringList());
        QVERIFY(form.Flags().projectChanged);
        // The editor is ready for the next item.
        QVERIFY(!Box(form, "chksel")->isChecked());
        QCOMPARE(Text(form, "itemtexttext")->text() + Text(form, "linktext")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), Text(form, "itemtexttext"));
        QCOMPARE(SelectedRow(form), 0);

        Box(form, "chksel")->click();
        platform::QueueAnswer(MessageAnswer::No);
        Add(form, "About", "about.html");
        QCOMPARE(TakeQuestions(), QStringList{SelectedQuestion("Home")});
        Box(form, "chksel")->click();
        platform::QueueAnswer(MessageAnswer::Yes);
        Add(form, "Shop", "shop.html");
        QCOMPARE(TakeQuestions(), QStringList{SelectedQuestion("Home")});
        QCOMPARE(Rows(form), (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                                          "About|Yes|about.html|No|Default|Default|No",
                                          "Shop|Yes|shop.html|Yes|Default|Default|No"}));
        QVERIFY(!Box(form, "chksel")->isChecked());
        QCOMPARE(SelectedRow(form), 2);

        // Updating the preselected row with the box checked keeps it without a question.
        Trigger(form, "edit");
        QVERIFY(Box(form, "chksel")->isChecked());
        Retype(form, "itemtexttext", "Shop now");
        Click(form, "cmdup");
        QCOMPARE(TakeQuestions(), QStringList());
        QCOMPARE(Rows(form).at(2), QString("Shop now|Yes|shop.html|Yes|Default|Default|No"));
    }

    void itemsBelowAHeadingAreIndentedByTheRowBeingWritten() {
        Form1 form;
        Add(form, "Home", "index.html");
        AddHeading(form, "Fruit");
        Add(form, "Apples", "apples.html");
        Add(form, "   Pears");
        QCOMPARE(Rows(form), (QStringList{"Home|Yes|index.html|Yes|Default|Default|No",
                                          "Fruit|No||No|Default|Default|Yes",
                                          "   Apples|Yes|apples.html|No|Default|Default|No",
                                          "      Pears|No||No|Default|Default|No"}));
        QVERIFY(IsBold(form, 1) && !IsBold(form, 0) && !IsBold(form, 2));

        // The question names the preselected row as the list holds it, marker and all.
        SelectRow(form, 2);
        Trigger(form, "edit");
        Box(form, "chksel")->click();
        platform::QueueAnswer(MessageAnswer::Yes);
        Click(form, "cmdup");
        QCOMPARE(TakeQuestions(), QStringList{SelectedQuestion("Home")});
        Box(form, "chksel")->click();
        Add(form, "Plums", "plums.html");
        QCOMPARE(TakeQuestions(), QStringList{SelectedQuestion("   Apples")});

        // An item moved up past the only heading loses the marker, moved back it regains it,
        // and the heading keeps its text; a marker is never doubled by a move.
        SelectRow(form, 2);
        Trigger(form, "movup");
        QCOMPARE(Rows(form).mid(1, 2), (QStringList{"Apples|Yes|apples.html|Yes|Default|Default|No",
                                                    "Fruit|No||No|Default|Default|Yes"}));
        QCOMPARE(SelectedRow(form), 1);
        QVERIFY(IsBold(form, 2) && !IsBold(form, 1));
        Trigger(form, "movdn");
        QCOMPARE(Rows(form).at(2), QString("   Apples|Yes|apples.html|Yes|Default|Default|No"));
        QCOMPARE(SelectedRow(form), 2);
        SelectRow(form, 3);
        Trigger(form, "movup");
        QCOMPARE(Rows(form).at(2), QString("      Pears|No||No|Default|Default|No"));

        // A heading moved past rows leaves their texts alone; deleting it leaves the markers.
        SelectRow(form, 1);
        Trigger(form, "movdn");
        Trigger(form, "movdn");
        QCOMPARE(Rows(form).at(3), QString("Fruit|No||No|Default|Default|Yes"));
        QVERIFY(IsBold(form, 3));
        QCOMPARE(SelectedRow(form), 3);
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "delete");
        QCOMPARE(Rows(form), (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                                          "      Pears|No||No|Default|Default|No",
                                          "   Apples|Yes|apples.html|Yes|Default|Default|No",
                                          "   Plums|Yes|plums.html|No|Default|Default|No"}));
        QCOMPARE(SelectedRow(form), 3);
        QVERIFY(!IsBold(form, 3));
    }

    void aHeadingIsUnlinkedWhenAddedAndLinkedWithoutAddressWhenUpdated() {
        Form1 form;
        Type(form, "linktext", "typed.html");
        Box(form, "grheadchk")->click();
        QCOMPARE(Text(form, "linktext")->text(), QString());
        QVERIFY(!Box(form, "chksel")->isChecked());
        for (const char* name : {"linktext", "linklbl", "chksel", "notlinkchk"}) {
            QVERIFY2(!form.findChild<QWidget*>(name)->isEnabled(), name);
        }
        Add(form, "Fruit");
        QCOMPARE(Rows(form), QStringList{"Fruit|No||No|Default|Default|Yes"});
        for (const char* name : {"linktext", "linklbl", "chksel", "notlinkchk"}) {
            QVERIFY2(form.findChild<QWidget*>(name)->isEnabled(), name);
        }

        Trigger(form, "edit");
        QVERIFY(Box(form, "grheadchk")->isChecked() && !Box(form, "notlinkchk")->isChecked());
        Click(form, "cmdup");
        QCOMPARE(Rows(form), QStringList{"Fruit|Yes||No|Default|Default|Yes"});
        QVERIFY(IsBold(form, 0));
    }

    void notLinkedKeepsTheTypedLinkOutOfTheRow() {
        Form1 form;
        Type(form, "itemtexttext", "Note");
        Type(form, "linktext", "kept.html");
        Box(form, "notlinkchk")->click();
        QVERIFY(!Text(form, "linktext")->isEnabled());
        QCOMPARE(Text(form, "linktext")->text(), QString("kept.html"));
        Box(form, "notlinkchk")->click();
        QVERIFY(Text(form, "linktext")->isEnabled());
        Box(form, "notlinkchk")->click();
        Click(form, "additemcmd");
        QCOMPARE(Rows(form), QStringList{"Note|No||Yes|Default|Default|No"});

        // "Edit" of an unlinked row checks the box; of a linked one clears it.
        Add(form, "Home", "index.html");
        SelectRow(form, 0);
        Trigger(form, "edit");
        QVERIFY(Box(form, "notlinkchk")->isChecked() && !Text(form, "linktext")->isEnabled());
        SelectRow(form, 1);
        Trigger(form, "edit");
        QVERIFY(!Box(form, "notlinkchk")->isChecked());
        QCOMPARE(Text(form, "linktext")->text(), QString("index.html"));
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

        // Clearing "Default Color" the first time brings white on black.
        Box(form, "chkdefitmclr")->click();
        for (const char* name : {"txtclr0", "lblclr0", "cmdclr0", "Label30", "txtclr1", "lblclr1",
                                 "cmdclr1", "Label31"}) {
            QVERIFY2(form.findChild<QWidget*>(name)->isEnabled(), name);
        }
        QCOMPARE(Text(form, "txtclr0")->text() + Text(form, "txtclr1")->text(),
                 QString("#FFFFFF#000000"));
        QCOMPARE(swatches(), (QList<QColor>{Qt::white, Qt::black}));
        Retype(form, "txtclr0", "ffff00");
        Add(form, "Sale", "sale.html");
        QCOMPARE(Rows(form), QStringList{"Sale|Yes|sale.html|Yes|#FFFF00|#000000|No"});
        QVERIFY(Box(form, "chkdefitmclr")->isChecked());
        QVERIFY(!Text(form, "txtclr0")->isEnabled());
        QCOMPARE(swatches(), (QList<QColor>{background, background}));
        Add(form, "Plain", "plain.html");

        // "Edit" of a coloured row loads its colours; of a default-coloured one checks the box.
        SelectRow(form, 0);
        Trigger(form, "edit");
        QVERIFY(!Box(form, "chkdefitmclr")->isChecked());
        QCOMPARE(swatches(), (QList<QColor>{Qt::yellow, Qt::black}));
        SelectRow(form, 1);
        Trigger(form, "edit");
        QVERIFY(Box(form, "chkdefitmclr")->isChecked() && !Text(form, "txtclr1")->isEnabled());
        // The boxes kept the last colours.
        Box(form, "chkdefitmclr")->click();
        QCOMPARE(Text(form, "txtclr0")->text(), QString("#FFFF00"));
    }

    void editingLoadsWithoutChangingTheProject() {
        Form1 form;
        Add(form, "   Spaced", "spaced.html");
        AddHeading(form, "Fruit");
        Add(form, "Apples", "apples.html");
        form.Flags().projectChanged = false;
        SelectRow(form, 0);
        Trigger(form, "edit");
        QCOMPARE(Text(form, "itemtexttext")->text(), QString("Spaced"));
        SelectRow(form, 2);
        Trigger(form, "mnuListPopEdt");
        QCOMPARE(Text(form, "itemtexttext")->text(), QString("Apples"));
        QCOMPARE(Text(form, "linktext")->text(), QString("apples.html"));
        QVERIFY(!Box(form, "chksel")->isChecked() && !Box(form, "grheadchk")->isChecked());
        QVERIFY(!form.Flags().projectChanged);
        QCOMPARE(Rows(form).at(0), QString("   Spaced|Yes|spaced.html|Yes|Default|Default|No"));
        // An update at the top writes it without the marker.
        SelectRow(form, 0);
        Trigger(form, "edit");
        Click(form, "cmdup");
        QCOMPARE(Rows(form).at(0), QString("Spaced|Yes|spaced.html|Yes|Default|Default|No"));
        QVERIFY(form.Flags().projectChanged);
    }

    void deleteAsksAndSelectsANeighbour() {
        Form1 form;
        for (const char* text : {"A", "B", "C"}) {
            Add(form, text, "x.html");
        }
        form.Flags().projectChanged = false;
        SelectRow(form, 1);
        platform::QueueAnswer(MessageAnswer::No);
        Trigger(form, "mnuListPopRem");
        QCOMPARE(TakeQuestions(), QStringList{kConfirmDelete});
        QCOMPARE(Items(form)->rowCount(), 3);
        QVERIFY(!form.Flags().projectChanged);

        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "delete");
        QCOMPARE(Rows(form).join(',').remove("|Yes|x.html").remove("|Default|Default|No"),
                 QString("A|Yes,C|No"));
        QCOMPARE(SelectedRow(form), 1);
        QVERIFY(form.Flags().projectChanged);
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "delete");
        QCOMPARE(SelectedRow(form), 0);
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "delete");
        QCOMPARE(Items(form)->rowCount(), 0);
        QCOMPARE(TakeQuestions(), (QStringList{kConfirmDelete, kConfirmDelete, kConfirmDelete}));
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
        const std::vector<model::MenuItem> expected{
            {"Home", "Yes", "index.html", "No", "Default", "Default", "No"},
            {"About", "Yes", "about.html", "Yes", "#FFFF00", "#000080", "No"},
            {"Fruit", "No", "", "No", "Default", "Default", "Yes"},
            {"   Apple", "Yes", "a.html", "No", "Default", "Default", "No"}};
        QVERIFY(built.items == expected);

        model::MenuProject record = built;
        record.items = expected;
        const auto code = generate::GenerateMenuCode(built, generate::CodeTarget::Clip);
        const auto engine = generate::GenerateMenuCode(record, generate::CodeTarget::Clip);
        QCOMPARE(QByteArray::fromStdString(code.javaScript + code.html),
                 QByteArray::fromStdString(engine.javaScript + engine.html));
        QVERIFY(code.html.find(
                    "<OPTION value=\"index.html\" style=\"background-color='';color=''\">Home"
                    "</OPTION>\r\n"
                    "<OPTION value=\"about.html\" SELECTED style=\"background-color='#FFFF00';"
                    "color='#000080'\">About</OPTION>\r\n"
                    "<OPTGROUP LABEL=\"Fruit\">\r\n"
                    "<OPTION value=\"a.html\" style=\"background-color='';color=''\">Apple"
                    "</OPTION>\r\n</OPTGROUP>\r\n</select>\r\n") != std::string::npos);
    }
};

QTEST_MAIN(ItemEditingTest)
#include "ItemEditingTest.moc"
