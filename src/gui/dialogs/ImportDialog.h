#pragma once

#include <QDialog>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace document {
class MenuDocument;
}

namespace importing {
struct ImportResult;
}

namespace dialogs {

class ImportReader;
class ImportTreeModel;

// frmImport, "Import Links": reads a file (bookmarks, sitemap, web page or list of addresses), a
// site folder or pasted text off the interface thread, shows the links found as a tree to tick
// and edit, and on "Add to Menu" puts the ticked ones into the project in one step of its history,
// appended or after the list's selected row, the first of them selected. Nothing changes before.
class ImportDialog : public QDialog {
    Q_OBJECT

  public:
    // `selectedRow`: the list's selected row, which the entries may go after.
    ImportDialog(document::MenuDocument& document, std::optional<int> selectedRow, QWidget* owner);

    // Reads a file or a folder, as one dropped on the item list.
    void ReadSource(const QString& path);

  signals:
    // What a source holds is shown: its links, or why there are none.
    void linksRead();

  private:
    QGroupBox* CreateSourceControls();
    QLayout* CreateFoundControls();
    QLayout* CreateAddControls();
    QString ChooseFolder(const QString& title, const QString& shown);
    void ChooseFile();
    void Read();
    void ShowReading();
    void ShowResult(const importing::ImportResult& result);
    void RefreshAddState();
    void AddToMenu();

    document::MenuDocument& document;
    const std::optional<int> selectedRow;
    ImportReader* reader = nullptr;
    ImportTreeModel* links = nullptr;
    // How the messages name the file or folder being read; empty for pasted text.
    QString sourceName;

    QRadioButton* optFile = nullptr;
    QLineEdit* txtFile = nullptr;
    QRadioButton* optFolder = nullptr;
    QLineEdit* txtFolder = nullptr;
    QRadioButton* optText = nullptr;
    QPlainTextEdit* txtPaste = nullptr;
    QLineEdit* txtBase = nullptr;
    QLineEdit* txtBaseFolder = nullptr;
    QTreeView* tvLinks = nullptr;
    QLabel* lblMessages = nullptr;
    QLabel* lblReading = nullptr;
    QProgressBar* prgRead = nullptr;
    QLabel* lblTicked = nullptr;
    QRadioButton* optInsert = nullptr;
    QCheckBox* chkPreselect = nullptr;
    QPushButton* cmdAdd = nullptr;
};

} // namespace dialogs
