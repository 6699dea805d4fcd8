#include "dialogs/ImportDialog.h"
#include "support/WindowTest.h"

using dialogs::ImportDialog;
using mainwindow::MainWindow;

namespace {

const QString kFiles = QStringLiteral(QT_TESTCASE_SOURCEDIR "/import/files/");

QAbstractItemModel& Links(const QDialog& dialog) {
    return *Find<QTreeView>(dialog, "tvLinks")->model();
}

// Each row as "text|address|note|box" (box: + ticked, ~ partly, - not), entries indented.
QStringList Tree(const QAbstractItemModel& model, const QModelIndex& parent = {}) {
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        rows << QString(parent.isValid() ? "  " : "") + index.data().toString() + '|' +
                    index.siblingAtColumn(1).data().toString() + '|' +
                    index.siblingAtColumn(2).data().toString() + '|' +
                    QString("-~+")[index.data(Qt::CheckStateRole).toInt()];
        rows << Tree(model, index);
    }
    return rows;
}

// A cell edited as the user does: F2, the new text, Return.
void Edit(const QDialog& dialog, const QModelIndex& index, const QString& text) {
    auto* tree = Find<QTreeView>(dialog, "tvLinks");
    tree->setCurrentIndex(index);
    QTest::keyClick(tree, Qt::Key_F2);
    const QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(tree->focusWidget());
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(editor == nullptr || editor->isHidden());
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void bookmarksAreTickedEditedAndInsertedAfterTheSelectedRow() {
        MainWindow window;
        AddItem(window, "Home", "index.html");
        AddItem(window, "Contact", "contact.html");
        List(window)->setCurrentIndex(window.Document().Items().index(0, 0));
        const auto tickEditAndInsert = [&window](ImportDialog& dialog) {
            // The list already has its preselected item.
            QVERIFY(!Find<QCheckBox>(dialog, "chkPreselect")->isVisible());
            platform::QueueFileName(kFiles + "bookmarks.html");
            Click(dialog, "cmdFile");
            QAbstractItemModel& links = Links(dialog);
            QTRY_VERIFY(links.rowCount() > 0);
            QCOMPARE(Tree(links), Reference("import-bookmarks.txt", Tree(links)));
            QCOMPARE(Texts(dialog, {"lblMessages"}),
                     QString("1 link to a script was skipped.\n1 link to a "
                             "page of the browser was skipped."));

            for (int row : {0, 2}) {
                links.setData(links.index(row, 0), Qt::Unchecked, Qt::CheckStateRole);
            }
            QCOMPARE(Tree(links).at(6), QString("  Build <CI>|https://tools.example.com/build||-"));
            Edit(dialog, links.index(3, 0), "Shop");
            Edit(dialog, links.index(0, 1, links.index(3, 0)), "https://shop.example.com/");
            Edit(dialog, links.index(0, 0, links.index(1, 0)), " ");
            QCOMPARE(Tree(links).mid(7),
                     (QStringList{"Shop|||+", "  Cart|https://shop.example.com/||+"}));
            QCOMPARE(window.Document().Items().rowCount(), 2);
            Click(dialog, {"optInsert", "cmdAdd"});
        };
        QVERIFY(WhenShown<ImportDialog>([&window] { Click(window, "mnuFileImport"); },
                                        tickEditAndInsert));
        const QStringList imported = Rows(window);
        QCOMPARE(
            imported,
            (QStringList{"Home|Yes|index.html|Yes|-|-|No", "Work|No||No|-|-|Yes*",
                         "   Café & Wiki|Yes|https://wiki.example.com/Caf%C3%A9?a=1&b=2|No|-|-|No",
                         "Shop|No||No|-|-|Yes*", "   Cart|Yes|https://shop.example.com/|No|-|-|No",
                         "Contact|Yes|contact.html|No|-|-|No"}));
        QVERIFY(SelectedRow(window) == 1 && window.Document().Changed());
        Click(window, "mnuEditUndo");
        QVERIFY(Rows(window).size() == 2 && SelectedRow(window) == 0);
        Click(window, "mnuEditRedo");
        QCOMPARE(Rows(window), imported);
    }

    void cancelChangesNothingAndTheFirstEntryIsPreselectedOnlyWhenAsked() {
        MainWindow window;
        const auto import = [&window] { Click(window, "mnuFileImport"); };
        QVERIFY(WhenShown<ImportDialog>(import, [](ImportDialog& dialog) {
            QVERIFY(!Find(dialog, "optInsert")->isEnabled());
            platform::QueueFileName(kFiles + "site");
            Click(dialog, "cmdFolder");
            QTRY_VERIFY(Links(dialog).rowCount() > 0);
            Click(dialog, "cmdCancel");
        }));
        QVERIFY(Rows(window).isEmpty() && !window.Document().Changed());
        QVERIFY(WhenShown<ImportDialog>(import, [](ImportDialog& dialog) {
            Find<QPlainTextEdit>(dialog, "txtPaste")
                ->insertPlainText("Start\tindex.html\n/our-team.html");
            Retype(dialog, "txtBase", "https://example.com/a/");
            Click(dialog, "cmdRead");
            QTRY_COMPARE(Links(dialog).rowCount(), 2);
            Click(dialog, {"chkPreselect", "cmdAdd"});
        }));
        QCOMPARE(Rows(window),
                 (QStringList{"Start|Yes|https://example.com/a/index.html|Yes|-|-|No",
                              "Our team|Yes|https://example.com/our-team.html|No|-|-|No"}));
    }

    void aBadSourceIsExplainedAndAFileDroppedOnTheListOpensTheWindowWithIt() {
        MainWindow window;
        ImportDialog dialog(window.Document(), std::nullopt, &window);
        QSignalSpy read(&dialog, &ImportDialog::linksRead);
        dialog.ReadSource(kFiles + "bad/truncated.xml.gz");
        QVERIFY(read.wait());
        QString told = Texts(dialog, {"lblMessages"});
        QVERIFY(Links(dialog).rowCount() == 0 && !Find(dialog, "cmdAdd")->isEnabled());
        Retype(dialog, "txtBase", "example.com");
        dialog.ReadSource(kFiles + "links.html");
        QVERIFY(read.wait() && Rows(window).isEmpty());
        QCOMPARE(told + '\n' + Texts(dialog, {"lblMessages"}),
                 QString("The file truncated.xml.gz is a damaged or incomplete gzip file.\nThe "
                         "base address example.com is not a complete address such as "
                         "https://example.com/."));

        QWidget* list = List(window)->viewport();
        QMimeData text;
        text.setText("https://example.com/");
        QCOMPARE(DropOn(list, text, Qt::CopyAction), Qt::IgnoreAction);
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(kFiles + "links.html")});
        ModalScript user;
        user.Then<ImportDialog>([](ImportDialog& opened) {
            QCOMPARE(Find<QLineEdit>(opened, "txtFile")->text(), kFiles + "links.html");
            QTRY_COMPARE(Links(opened).rowCount(), 8);
            Click(opened, "cmdAdd");
        });
        QCOMPARE(DropOn(list, file, Qt::CopyAction), Qt::CopyAction);
        QTRY_VERIFY(user.Done());
        QVERIFY(Rows(window).size() == 7 && Rows(window)[0] == "Home|Yes|index.html|No|-|-|No");
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
