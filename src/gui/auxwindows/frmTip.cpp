#include "auxwindows/frmTip.h"

#include "auxwindows/Artwork.h"
#include "auxwindows/TipsFile.h"
#include "platform/CRegSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <filesystem>

namespace auxwindows {
namespace {

const QString kOptions = QStringLiteral("Options");
const QString kShowTips = QStringLiteral("Show Tips at Startup");

CRegSettings ProgramSettings() {
    CRegSettings settings;
    settings.SetAppName(QStringLiteral("Quorvane"));
    settings.SetCompany(QStringLiteral("Brindlecote"));
    return settings;
}

// The tip panel is white whatever the desktop's colours, so its text is always dark.
void PaintWhite(QWidget* widget) {
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(white);
    widget->setAutoFillBackground(true);
}

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

} // namespace

int StoredShowTipsAtStartup() {
    const QString stored = ProgramSettings().GetSetting(kOptions, kShowTips, QStringLiteral("1"));
    return TipsWantedAtStartup(stored.toStdString()) ? 1 : 0;
}

frmTip::frmTip(QWidget* owner, int& showTips, const QString& tipsFile)
    : QDialog(owner), showTipsAtStartup(showTips) {
    setObjectName("frmTip");
    setWindowTitle(tr("Quorvane Tip of the Day"));

    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    PaintWhite(panel);
    auto* picture = Named<QLabel>("Picture1");
    picture->setPixmap(TipPicture());
    auto* heading = Named<QLabel>("Label1", tr("Did you know..."));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    lblTipText = Named<QLabel>("lblTipText");
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

    chkLoadTipsAtStartup = Named<QCheckBox>("chkLoadTipsAtStartup", tr("&Show Tips at Startup"));
    auto* cmdNextTip = Named<QPushButton>("cmdNextTip", tr("&Next Tip"));
    auto* cmdOK = Named<QPushButton>("cmdOK", tr("OK"));
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

    connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this, &frmTip::StartupChoiceClicked);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::ShowRandomTip);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    chkLoadTipsAtStartup->setChecked(showTipsAtStartup != 0);
    if (!LoadTips(tipsFile)) {
        lblTipText->setText(QString::fromStdString(MissingTipsText()).replace("\r\n", "\n"));
    }
}

bool frmTip::LoadTips(const QString& fileName) {
    const auto tips = ReadTipsFile(std::filesystem::path(fileName.toStdU16String()));
    if (!tips) {
        return false;
    }
    for (const std::string& tip : *tips) {
        tipList.append(QString::fromStdString(tip));
    }
    ShowRandomTip();
    return true;
}

void frmTip::ShowRandomTip() {
    const auto count = static_cast<int>(tipList.size());
    tipIndex = count > 0 ? QRandomGenerator::global()->bounded(count) + 1 : 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (!tipList.isEmpty()) {
        lblTipText->setText(tipList.at(tipIndex - 1));
    }
}

void frmTip::StartupChoiceClicked(bool checked) {
    showTipsAtStartup = checked ? 1 : 0;
    ProgramSettings().SaveSetting(kOptions, kShowTips, QString::number(showTipsAtStartup));
}

} // namespace auxwindows
