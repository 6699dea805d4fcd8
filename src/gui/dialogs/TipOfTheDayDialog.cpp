#include "dialogs/TipOfTheDayDialog.h"

#include "auxwindows/TipsFile.h"
#include "dialogs/Artwork.h"
#include "platform/ProgramSettings.h"
#include "widgets/Named.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <filesystem>

namespace dialogs {
namespace {

// The tip panel is white whatever the desktop's colours, so its text is always dark.
void PaintWhite(QWidget* widget) {
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(white);
    widget->setAutoFillBackground(true);
}

} // namespace

int StoredShowTipsAtStartup() {
    const QString stored = platform::ProgramSettings().ShowTipsAtStartup();
    return auxwindows::TipsWantedAtStartup(stored.toStdString()) ? 1 : 0;
}

TipOfTheDayDialog::TipOfTheDayDialog(QWidget* owner, int& showTips, const QString& tipsFile)
    : QDialog(owner), showTipsAtStartup(showTips) {
    setObjectName("frmTip");
    setWindowTitle(tr("Quorvane Tip of the Day"));

    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    PaintWhite(panel);
    auto* picture = widgets::Named<QLabel>("Picture1");
    picture->setPixmap(TipPicture());
    auto* heading = widgets::Named<QLabel>("Label1", tr("Did you know..."));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    lblTipText = widgets::Named<QLabel>("lblTipText");
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setFixedWidth(lblTipText->fontMetrics().averageCharWidth() * 52);
    lblTipText->setMinimumHeight(lblTipText->fontMetrics().lineSpacing() * 5);
    PaintWhite(lblTipText);
    auto* panelGrid = new QGridLayout(panel);
    panelGrid->setContentsMargins(12, 12, 16, 12);
    panelGrid->setHorizontalSpacing(14);
    panelGrid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    panelGrid->addWidget(heading, 0, 1);
    panelGrid->addWidget(lblTipText, 1, 1);

    chkLoadTipsAtStartup =
        widgets::Named<QCheckBox>("chkLoadTipsAtStartup", tr("&Show Tips at Startup"));
    auto* cmdNextTip = widgets::Named<QPushButton>("cmdNextTip", tr("&Next Tip"));
    auto* cmdOK = widgets::Named<QPushButton>("cmdOK", tr("OK"));
    cmdOK->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkLoadTipsAtStartup);
    bottom->addStretch();
    bottom->addWidget(cmdNextTip);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this,
            &TipOfTheDayDialog::StartupChoiceClicked);
    connect(cmdNextTip, &QPushButton::clicked, this, &TipOfTheDayDialog::ShowRandomTip);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    chkLoadTipsAtStartup->setChecked(showTipsAtStartup != 0);
    if (!LoadTips(tipsFile)) {
        lblTipText->setText(
            QCoreApplication::translate("auxwindows", auxwindows::MissingTipsText().c_str())
                .replace("\r\n", "\n"));
    }
}

bool TipOfTheDayDialog::LoadTips(const QString& fileName) {
    const auto tips = auxwindows::ReadTipsFile(std::filesystem::path(fileName.toStdU16String()));
    if (!tips) {
        return false;
    }
    for (const std::string& tip : *tips) {
        tipList.append(QString::fromStdString(tip));
    }
    ShowRandomTip();
    return true;
}

void TipOfTheDayDialog::ShowRandomTip() {
    const auto count = static_cast<int>(tipList.size());
    tipIndex = count > 0 ? QRandomGenerator::global()->bounded(count) + 1 : 1;
    DisplayCurrentTip();
}

void TipOfTheDayDialog::DisplayCurrentTip() {
    if (!tipList.isEmpty()) {
        lblTipText->setText(tipList.at(tipIndex - 1));
    }
}

void TipOfTheDayDialog::StartupChoiceClicked(bool checked) {
    showTipsAtStartup = checked ? 1 : 0;
    platform::ProgramSettings().SetShowTipsAtStartup(showTipsAtStartup);
}

} // namespace dialogs
