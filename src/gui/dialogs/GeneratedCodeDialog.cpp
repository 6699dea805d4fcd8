#include "dialogs/GeneratedCodeDialog.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {
namespace {

// The code keeps CR LF line ends; the box shows plain line breaks and gives CR LF back.
QString ShownText(const std::string& code) {
    return QString::fromStdString(code).replace("\r\n", "\n");
}

QString CopiedText(const QString& shown) {
    return QString(shown).replace('\n', "\r\n");
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A frame with its caption, the instruction, the code box and its copy button.
QGroupBox* CodeFrame(QWidget* parent, const QString& name, const QString& caption,
                     const QString& instruction, const std::string& code, const QString& boxName,
                     const QString& buttonName) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(WrappedLabel(instruction, frame));

    auto* box = new QPlainTextEdit(ShownText(code), frame);
    box->setObjectName(boxName);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(box);

    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* copy = Button(buttonName, GeneratedCodeDialog::tr("Copy to Clipboard"), frame);
    row->addWidget(copy);
    layout->addLayout(row);
    // Whatever the user has changed in the box is what gets copied.
    QObject::connect(copy, &QPushButton::clicked, box, [box] {
        QGuiApplication::clipboard()->setText(CopiedText(box->toPlainText()));
    });
    return frame;
}

} // namespace

GeneratedCodeDialog::GeneratedCodeDialog(QWidget* owner, const generate::MenuCode& code,
                                         std::function<void()> saveCodeToFile)
    : QDialog(owner) {
    setObjectName("Form3");
    setWindowTitle(tr("Generated Menu Code"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CodeFrame(this, "Frame1", tr("Javascript Function Code"),
                                tr("Copy and paste this code into the head section of your page "
                                   "(anywhere between the <HEAD> and </HEAD> tags)."),
                                code.javaScript, "Text1", "Command1"));
    layout->addWidget(CodeFrame(this, "Frame2", tr("HTML Code"),
                                tr("Copy and paste this code into the body section of your page "
                                   "(anywhere between the <BODY> and </BODY> tags) wherever you "
                                   "want the menu to appear."),
                                code.html, "Text2", "Command2"));
    layout->addWidget(WrappedLabel(
        tr("Note: If you are placing more than one menu on the same page, you only need one "
           "occurence of the Javascript Function Code in the \"Head\" section of your page."),
        this));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* save = Button("Command3", tr("Save to File"), this);
    QPushButton* done = Button("Command4", tr("Done"), this);
    buttons->addWidget(save);
    buttons->addWidget(done);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, [saveCodeToFile] { saveCodeToFile(); });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, 560);
}

} // namespace dialogs
