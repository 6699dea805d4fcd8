#include "dialogs/ImportDialog.h"

#include "dialogs/ImportMessages.h"
#include "dialogs/ImportReader.h"
#include "dialogs/ImportTreeModel.h"
#include "document/ItemEditCommand.h"
#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "help/WhatsThisTexts.h"
#include "import/ImportSource.h"
#include "import/MenuRows.h"
#include "import/SourceFile.h"
#include "platform/FileDialogs.h"
#include "platform/ProgramSettings.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <filesystem>

namespace dialogs {
namespace {

using widgets::Buddy;
using widgets::Named;

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = Named<QPushButton>(name, caption, parent);
    // Return in a box reads the source; it never presses a button.
    button->setAutoDefault(false);
    return button;
}

// A box named for screen readers by the choice beside it.
template <typename Box>
Box* BoxFor(const char* name, const QRadioButton* choice, QWidget* parent) {
    auto* box = Named<Box>(name, parent);
    box->setAccessibleName(QString(choice->text()).remove('&').remove(':').trimmed());
    return box;
}

// The folder a dialog opens in: that of the path already given, or the last project's.
QString StartFolder(const QString& shown) {
    return shown.isEmpty() ? platform::ProgramSettings().LastUsedSaveFolder() : shown;
}

} // namespace

ImportDialog::ImportDialog(document::MenuDocument& menuDocument, std::optional<int> selected,
                           QWidget* owner)
    : QDialog(owner), document(menuDocument), selectedRow(selected), reader(new ImportReader(this)),
      links(new ImportTreeModel(this)) {
    setObjectName("frmImport");
    setWindowTitle(tr("Import Links"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateSourceControls());
    layout->addLayout(CreateFoundControls(), 1);
    layout->addLayout(CreateAddControls());

    connect(reader, &ImportReader::slow, this, &ImportDialog::ShowReading);
    connect(reader, &ImportReader::finished, this, &ImportDialog::ShowResult);
    connect(links, &ImportTreeModel::dataChanged, this, &ImportDialog::RefreshAddState);
    connect(links, &ImportTreeModel::modelReset, this, &ImportDialog::RefreshAddState);
    RefreshAddState();
    help::ApplyWhatsThis(this);
    resize(760, 640);
}

QGroupBox* ImportDialog::CreateSourceControls() {
    auto* frame = Named<QGroupBox>("fraSource", tr("Import from:"), this);
    auto* grid = new QGridLayout(frame);
    optFile = Named<QRadioButton>("optFile", tr("&File:"), frame);
    optFile->setChecked(true);
    txtFile = BoxFor<QLineEdit>("txtFile", optFile, frame);
    auto* cmdFile = Button("cmdFile", tr("&Browse..."), frame);
    optFolder = Named<QRadioButton>("optFolder", tr("Site f&older:"), frame);
    txtFolder = BoxFor<QLineEdit>("txtFolder", optFolder, frame);
    auto* cmdFolder = Button("cmdFolder", tr("Bro&wse..."), frame);
    optText = Named<QRadioButton>("optText", tr("Pasted &text:"), frame);
    txtPaste = BoxFor<QPlainTextEdit>("txtPaste", optText, frame);
    txtPaste->setTabChangesFocus(true);
    txtPaste->setPlaceholderText(tr("One link a line: an address, or a text and a tab or | "
                                    "before the address"));
    txtPaste->setMaximumHeight(txtPaste->fontMetrics().lineSpacing() * 5);
    txtBase = Named<QLineEdit>("txtBase", frame);
    txtBase->setPlaceholderText(tr("https://example.com/"));
    txtBaseFolder = Named<QLineEdit>("txtBaseFolder", frame);
    auto* lblBaseFolder =
        Buddy(Named<QLabel>("lblBaseFolder", tr("Base fol&der:"), frame), txtBaseFolder);
    auto* cmdBaseFolder = Button("cmdBaseFolder", tr("Brow&se..."), frame);
    auto* cmdRead = Button("cmdRead", tr("&Read Links"), frame);

    grid->addWidget(optFile, 0, 0);
    grid->addWidget(txtFile, 0, 1);
    grid->addWidget(cmdFile, 0, 2);
    grid->addWidget(optFolder, 1, 0);
    grid->addWidget(txtFolder, 1, 1);
    grid->addWidget(cmdFolder, 1, 2);
    grid->addWidget(optText, 2, 0, Qt::AlignTop);
    grid->addWidget(txtPaste, 2, 1, 1, 2);
    grid->addWidget(Buddy(Named<QLabel>("lblBase", tr("Base &address:"), frame), txtBase), 3, 0);
    grid->addWidget(txtBase, 3, 1, 1, 2);
    grid->addWidget(lblBaseFolder, 4, 0);
    grid->addWidget(txtBaseFolder, 4, 1);
    grid->addWidget(cmdBaseFolder, 4, 2);
    grid->addWidget(cmdRead, 5, 2);

    // Giving a source chooses it.
    connect(txtFile, &QLineEdit::textEdited, optFile, [this] { optFile->setChecked(true); });
    connect(txtFolder, &QLineEdit::textEdited, optFolder, [this] { optFolder->setChecked(true); });
    connect(txtPaste, &QPlainTextEdit::textChanged, optText, [this] { optText->setChecked(true); });
    // The base folder applies to a site folder only.
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblBaseFolder, txtBaseFolder, cmdBaseFolder}) {
        control->setEnabled(false);
        connect(optFolder, &QRadioButton::toggled, control, &QWidget::setEnabled);
    }
    connect(cmdFile, &QPushButton::clicked, this, &ImportDialog::ChooseFile);
    connect(cmdFolder, &QPushButton::clicked, this, [this] {
        const QString folder =
            ChooseFolder(tr("Import Links from a Site Folder"), txtFolder->text());
        if (!folder.isEmpty()) {
            ReadSource(folder);
        }
    });
    connect(cmdBaseFolder, &QPushButton::clicked, this, [this] {
        const QString folder = ChooseFolder(tr("Base Folder"), txtBaseFolder->text());
        if (!folder.isEmpty()) {
            txtBaseFolder->setText(folder);
        }
    });
    connect(cmdRead, &QPushButton::clicked, this, &ImportDialog::Read);
    for (QLineEdit* box : {txtFile, txtFolder, txtBase, txtBaseFolder}) {
        connect(box, &QLineEdit::returnPressed, this, &ImportDialog::Read);
    }
    return frame;
}

QLayout* ImportDialog::CreateFoundControls() {
    tvLinks = Named<QTreeView>("tvLinks", this);
    tvLinks->setModel(links);
    tvLinks->setUniformRowHeights(true);
    tvLinks->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    QHeaderView* header = tvLinks->header();
    const int charWidth = tvLinks->fontMetrics().averageCharWidth();
    header->resizeSection(ImportTreeModel::kText, charWidth * 32);
    header->resizeSection(ImportTreeModel::kAddress, charWidth * 44);
    lblMessages = Named<QLabel>("lblMessages", this);
    lblMessages->setTextFormat(Qt::PlainText);
    lblMessages->setWordWrap(true);
    // Every message stays readable; the tree gives up the room.
    lblMessages->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    lblReading = Named<QLabel>("lblReading", tr("Reading links..."), this);
    prgRead = Named<QProgressBar>("prgRead", this);
    // No end is known in advance: the bar only shows that the reading goes on.
    prgRead->setRange(0, 0);
    lblReading->hide();
    prgRead->hide();

    auto* layout = new QVBoxLayout;
    layout->addWidget(Buddy(Named<QLabel>("lblLinks", tr("&Links found:"), this), tvLinks));
    layout->addWidget(tvLinks, 1);
    auto* reading = new QHBoxLayout;
    reading->addWidget(lblReading);
    reading->addWidget(prgRead, 1);
    layout->addLayout(reading);
    layout->addWidget(lblMessages);
    return layout;
}

QLayout* ImportDialog::CreateAddControls() {
    auto* optAppend = Named<QRadioButton>("optAppend", tr("Append at the &end of the list"), this);
    optAppend->setChecked(true);
    optInsert = Named<QRadioButton>("optInsert", tr("&Insert after the selected row"), this);
    optInsert->setEnabled(selectedRow.has_value());
    chkPreselect = Named<QCheckBox>("chkPreselect", tr("&Preselect the first entry"), this);
    // A list has one preselected item at most.
    chkPreselect->setVisible(!document.Items().FirstSelectedRow());
    lblTicked = Named<QLabel>("lblTicked", this);
    cmdAdd = Button("cmdAdd", tr("Add to &Menu"), this);
    auto* cmdCancel = Button("cmdCancel", tr("Cancel"), this);

    auto* placement = new QHBoxLayout;
    placement->addWidget(optAppend);
    placement->addWidget(optInsert);
    placement->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkPreselect);
    buttons->addStretch();
    buttons->addWidget(lblTicked);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout;
    layout->addLayout(placement);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &ImportDialog::AddToMenu);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    return layout;
}

QString ImportDialog::ChooseFolder(const QString& title, const QString& shown) {
    return platform::ShowFolderDialog(this, title, StartFolder(shown));
}

void ImportDialog::ChooseFile() {
    const QString file = platform::ShowOpenDialog(
        this,
        tr("Bookmarks, Sitemaps, Web Pages and Lists of Addresses|*.html;*.htm;*.xhtml;*.xml;*.gz;"
           "*.txt|All Files|*"),
        tr("Import Links from a File"), StartFolder(txtFile->text()));
    if (!file.isEmpty()) {
        ReadSource(file);
    }
}

void ImportDialog::ReadSource(const QString& path) {
    const bool folder = QFileInfo(path).isDir();
    (folder ? optFolder : optFile)->setChecked(true);
    (folder ? txtFolder : txtFile)->setText(path);
    Read();
}

void ImportDialog::Read() {
    importing::ImportOptions options;
    options.baseAddress = txtBase->text().trimmed().toStdString();
    std::function<importing::ImportResult()> job;
    if (optText->isChecked()) {
        sourceName.clear();
        job = [text = txtPaste->toPlainText().toStdString(), options] {
            return importing::ImportPastedText(text, options);
        };
    } else {
        const QString given = (optFolder->isChecked() ? txtFolder : txtFile)->text().trimmed();
        if (given.isEmpty()) {
            lblMessages->setText(tr("Choose a file or a site folder, or paste links, and then "
                                    "press Read Links."));
            return;
        }
        const std::filesystem::path path = given.toStdU16String();
        if (optFolder->isChecked()) {
            options.baseFolder = txtBaseFolder->text().trimmed().toStdU16String();
        }
        sourceName = QString::fromStdString(importing::DisplayName(path));
        job = [path, options] { return importing::ImportPath(path, options); };
    }
    links->SetGroups({});
    lblMessages->clear();
    reader->Read(std::move(job));
}

void ImportDialog::ShowReading() {
    lblReading->show();
    prgRead->show();
}

void ImportDialog::ShowResult(const importing::ImportResult& result) {
    lblReading->hide();
    prgRead->hide();
    links->SetGroups(result.groups);
    tvLinks->expandAll();
    lblMessages->setText(ResultMessages(result, sourceName).join('\n'));
    RefreshAddState();
    emit linksRead();
}

void ImportDialog::RefreshAddState() {
    const int ticked = links->TickedCount();
    lblTicked->setText(tr("Links ticked: %1").arg(ticked));
    cmdAdd->setEnabled(ticked > 0 && !reader->Reading());
}

void ImportDialog::AddToMenu() {
    // An edit still open in the tree (the button pressed by its access key) is committed first.
    cmdAdd->setFocus(Qt::OtherFocusReason);
    importing::RowPlacement placement;
    if (optInsert->isChecked() && selectedRow) {
        placement.after = static_cast<std::size_t>(*selectedRow);
    }
    placement.preselectFirst = chkPreselect->isChecked();
    importing::MenuRows rows =
        importing::RowsForMenu(links->Groups(), document.Project().items, placement);
    const int position = static_cast<int>(rows.position);
    // One step of the history: one undo takes the whole import back.
    auto* edit = new document::ItemEditCommand(
        document, tr("Import Links", "a step of the history"), selectedRow, position);
    edit->Insert(position, std::move(rows.rows));
    document.Push(edit);
    accept();
}

} // namespace dialogs
