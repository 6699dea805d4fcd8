#include "dialogs/StyleDialog.h"

#include "dialogs/FontOptions.h"
#include "dialogs/NoticeDialog.h"
#include "widgets/ColorRow.h"
#include "widgets/Named.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

using widgets::Named;

StyleDialog::StyleDialog(const model::StyleDefaults& styleDefaults, QWidget* owner)
    : QDialog(owner), defaults(styleDefaults) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void StyleDialog::LayOut(QLayout* colorOptions, QLayout* dimensions) {
    auto* content = new QVBoxLayout(this);
    auto* colorGroup = Named<QGroupBox>("fraColor", tr("Color Options:"), this);
    colorGroup->setLayout(colorOptions);
    content->addWidget(colorGroup);
    content->addWidget(fonts);
    auto* dimensionGroup = Named<QGroupBox>("fraDimensions", tr("Dimensions:"), this);
    dimensionGroup->setLayout(dimensions);
    content->addWidget(dimensionGroup);

    auto* buttons = new QHBoxLayout;
    // Made left to right, so Tab reaches them in the order they are seen.
    auto* cmdrestdef = Named<QPushButton>("cmdrestdef", tr("Restore Defaults"), this);
    auto* command8 = Named<QPushButton>("Command8", tr("OK"), this);
    auto* command9 = Named<QPushButton>("Command9", tr("Cancel"), this);
    command8->setDefault(true);
    buttons->addWidget(cmdrestdef);
    buttons->addStretch();
    buttons->addWidget(command8);
    buttons->addWidget(command9);
    content->addLayout(buttons);

    connect(command8, &QPushButton::clicked, this, &QDialog::accept);
    connect(command9, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdrestdef, &QPushButton::clicked, this, [this] {
        if (ShowNotice(Notice::RestoreDefaults, this)) {
            RestoreDefaults();
        }
    });
}

widgets::ColorRow* StyleDialog::AddColorRow(QGridLayout* grid, int index, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbldesc%1").arg(index));
    auto* row = new widgets::ColorRow(index, widgets::kStyleColorRow, label, this);
    label->setBuddy(row->Box());
    grid->addWidget(label, index + 1, 0);
    grid->addWidget(row->Box(), index + 1, 1);
    grid->addWidget(row->Sample(), index + 1, 2);
    grid->addWidget(row->SelectButton(), index + 1, 3);
    return row;
}

void StyleDialog::ShowRow(widgets::ColorRow& row, bool available, bool opaque) {
    constexpr int kColorTextLength = 7;
    row.SetAvailable(available);
    row.SetSampleOpaque(opaque && row.Text().size() == kColorTextLength);
}

} // namespace dialogs
