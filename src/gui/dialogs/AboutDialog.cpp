#include "dialogs/AboutDialog.h"

#include "auxwindows/MailAddresses.h"
#include "dialogs/Artwork.h"
#include "model/MakerAddresses.h"
#include "platform/Documents.h"
#include "widgets/LinkLabel.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace dialogs {
namespace {

QLabel* Picture(const char* name, const QPixmap& pixmap) {
    auto* picture = new QLabel;
    picture->setObjectName(name);
    picture->setPixmap(pixmap);
    return picture;
}

} // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    setObjectName("FrmAbt");
    setWindowTitle(tr("About..."));

    auto* label1 = new QLabel(tr("Quorvane"));
    label1->setObjectName("Label1");
    QFont nameFont = label1->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
    label1->setFont(nameFont);
    auto* label7 = new QLabel(tr("Version %1").arg(QStringLiteral(QUORVANE_VERSION)));
    label7->setObjectName("Label7");
    auto* rule = new QFrame;
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    auto* label3 = new QLabel(tr("Find more great software from Brindlecote at:"));
    label3->setObjectName("Label3");

    const QString site = QString::fromUtf8(model::kMakerSite);
    auto* label6 = new widgets::LinkLabel(QUrl(site).host(), this);
    label6->setObjectName("Label6");
    auto* label5 = new widgets::LinkLabel(QString::fromUtf8(model::kSupportEmail), this);
    label5->setObjectName("Label5");

    auto* buttons = new QDialogButtonBox;
    auto* command3 = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    command3->setObjectName("Command3");
    command3->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(Picture("Picture1", ProgramPicture()), 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(label1, 0, 1);
    grid->addWidget(label7, 1, 1, Qt::AlignTop);
    grid->addWidget(rule, 2, 0, 1, 2);
    grid->addWidget(Picture("Picture2", MakerPicture()), 3, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(label3, 3, 1);
    grid->addWidget(label6, 4, 1);
    grid->addWidget(label5, 5, 1);
    grid->addWidget(new QLabel(tr("Released under the MIT licence.")), 6, 1);
    grid->addWidget(buttons, 7, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(label6, &widgets::LinkLabel::clicked, this,
            [this, site] { platform::OpenDocument(this, site); });
    connect(label5, &widgets::LinkLabel::clicked, this, [this] {
        platform::OpenDocument(this, QString::fromStdString(auxwindows::SupportMailAddress()));
    });
    connect(command3, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace dialogs
