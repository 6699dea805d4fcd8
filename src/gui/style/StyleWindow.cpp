#include "style/StyleWindow.h"

#include "style/ColorRow.h"
#include "style/Notices.h"
#include "style/WindowControls.h"

#include <QBoxLayout>
#include <QPushButton>

namespace style {

StyleWindow::StyleWindow(model::ProjectFlags& projectFlags, QWidget* owner)
    : QDialog(owner), flags(projectFlags) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void StyleWindow::FinishLayout(QBoxLayout* content) {
    auto* buttons = new QHBoxLayout;
    auto* command8 = Named<QPushButton>(this, "Command8", tr("OK"));
    auto* command9 = Named<QPushButton>(this, "Command9", tr("Cancel"));
    auto* cmdrestdef = Named<QPushButton>(this, "cmdrestdef", tr("Restore Defaults"));
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
