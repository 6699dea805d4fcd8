#include "style/StyleWindow.h"

#include "style/ColorRow.h"
#include "style/FontOptions.h"
#include "style/Notices.h"
#include "style/WindowControls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace style {

StyleWindow::StyleWindow(model::ProjectFlags& projectFlags, QWidget* owner)
    : QDialog(owner), flags(projectFlags) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void StyleWindow::LayOut(QLayout* colorOptions, QLayout* dimensions) {
    auto* content = new QVBoxLayout(this);
    auto* colorGroup = Named<QGroupBox>(this, "fraColor", tr("Color Options:"));
    colorGroup->setLayout(colorOptions);
    content->addWidget(colorGroup);
    content->addWidget(fonts);
    auto* dimensionGroup = Named<QGroupBox>(this, "fraDimensions", tr("Dimensions:"));
    dimensionGroup->setLayout(dimensions);
    content->addWidget(dimensionGroup);

    auto* buttons = new QHBoxLayout;
    // Made left to right, so Tab reaches them in the order they are seen.
    auto* cmdrestdef = Named<QPushButton>(this, "cmdrestdef", tr("Restore Defaults"));
    auto* command8 = Named<QPushButton>(this, "Command8", tr("OK"));
    auto* command9 = Named<QPushButton>(this, "Command9", tr("Cancel"));
    command8->setDefault(true);
    buttons->addWidget(cmdrestdef);
    buttons->addStretch();
    buttons->addWidget(command8);
    buttons->addWidget(command9);
    content->addLayout(buttons);

    connect(command8, &QPushButton::clicked, this, [this] {
        done(Accepted);
        emit okChosen();
    });
    connect(command9, &QPushButton::clicked, this, &StyleWindow::reject);
    connect(cmdrestdef, &QPushButton::clicked, this, [this] { RestoreDefaults(); });
}

CColorRow* StyleWindow::AddColorRow(QGridLayout* grid, int index, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbldesc%1").arg(index));
    auto* row = new CColorRow(index, kStyleColorRow, label, this);
    label->setBuddy(row->Box());
    grid->addWidget(label, index + 1, 0);
    grid->addWidget(row->Box(), index + 1, 1);
    grid->addWidget(row->Sample(), index + 1, 2);
    grid->addWidget(row->SelectButton(), index + 1, 3);
    return row;
}

void StyleWindow::reject() {
    done(Rejected);
    emit cancelChosen();
}

bool StyleWindow::RestoreConfirmed() {
    return flags.resetInProgress || ShowNotice(Notice::RestoreDefaults, this);
}

void StyleWindow::MarkChangedWhenSaved() const {
    if (flags.projectHasFile) {
        flags.projectChanged = true;
    }
}

void StyleWindow::ShowRow(CColorRow& row, bool available, bool opaque) {
    constexpr int kColorTextLength = 7;
    row.SetAvailable(available);
    row.SetSampleOpaque(opaque && row.Text().size() == kColorTextLength);
}

} // namespace style
