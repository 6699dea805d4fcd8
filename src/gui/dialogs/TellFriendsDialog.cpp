#include "dialogs/TellFriendsDialog.h"

#include "auxwindows/MailAddresses.h"
#include "model/Translatable.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace dialogs {

TellFriendsDialog::TellFriendsDialog(QWidget* owner) : QDialog(owner) {
    setObjectName("frmTAF");
    setWindowTitle(tr("Tell your friends about Quorvane"));
    auto* layout = new QVBoxLayout(this);

    auto* label2 = new QLabel(tr("Your friends' email addresses:"));
    label2->setObjectName("Label2");
    layout->addWidget(label2);
    for (std::size_t index = 0; index < text1.size(); ++index) {
        text1[index] = new QLineEdit;
        text1[index]->setObjectName(QStringLiteral("Text1%1").arg(index));
        text1[index]->setMinimumWidth(text1[index]->fontMetrics().averageCharWidth() * 40);
        layout->addWidget(text1[index]);
    }
    label2->setBuddy(text1[0]);
    for (std::size_t index = 1; index < text1.size(); ++index) {
        text1[index]->setAccessibleName(tr("Friend's email address %1").arg(index + 1));
    }

    auto* buttons = new QDialogButtonBox;
    auto* command1 = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    command1->setObjectName("Command1");
    command1->setDefault(true);
    auto* command2 = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    command2->setObjectName("Command2");
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1, &QPushButton::clicked, this, &TellFriendsDialog::Send);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
}

void TellFriendsDialog::Send() {
    std::vector<std::string> boxes;
    for (const QLineEdit* box : text1) {
        boxes.push_back(box->text().toStdString());
    }
    const QString address = QString::fromStdString(auxwindows::TellFriendsAddress(boxes));
    if (platform::OpenDocument(this, address) == platform::kNoAssociation) {
        platform::ShowMessage(this,
                              {TRANSLATABLE("messages", "Oops!"),
                               TRANSLATABLE("messages", "Could not start your email program."),
                               model::MessageIcon::Exclamation,
                               {}});
    }
    // The window closes whether or not the e-mail program started.
    accept();
}

} // namespace dialogs
