#include "dialogs/NoticeDialog.h"

#include "platform/ProgramSettings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace dialogs {
namespace {

struct NoticeText {
    const char* windowName;
    const char* key;
    const char* caption;
    const char* text;
};

NoticeText TextOf(Notice notice) {
    switch (notice) {
    case Notice::Browser:
        return {"iemsgfrm", "Show IE Message", QT_TRANSLATE_NOOP("style", "Important Message"),
                QT_TRANSLATE_NOOP("style",
                                  "Advanced properties (colors, font, etc.) for menus and buttons "
                                  "will only show up if the menu is viewed in Microsoft Internet "
                                  "Explorer. Netscape always uses one default font and style for "
                                  "Javascript menu elements.")};
    case Notice::ButtonBorder:
        return {"Form4", "Show Button Border Message",
                QT_TRANSLATE_NOOP("style", "Important Message"),
                QT_TRANSLATE_NOOP("style", "Changing this value has no effect when \"Use Default "
                                           "User System Button Colors\" is checked. A border is "
                                           "only displayed if you are using non-default colors.")};
    case Notice::RestoreDefaults:
        break;
    }
    return {"Form5", "Show Restore Defaults Message", QT_TRANSLATE_NOOP("style", "Warning"),
            QT_TRANSLATE_NOOP("style", "This will restore all values in this dialog to the program "
                                       "default settings. All current settings will be lost. Do "
                                       "you wish to continue?")};
}

QString Translated(const char* text) {
    return QCoreApplication::translate("style", text);
}

// Whether the notice's key asks for it: "yes", or no key at all.
bool NoticeWanted(Notice notice) {
    return platform::ProgramSettings().NoticeWanted(TextOf(notice).key);
}

} // namespace

bool ShowNotice(Notice notice, QWidget* owner) {
    if (!NoticeWanted(notice)) {
        return true;
    }
    NoticeDialog window(notice, owner);
    window.exec();
    return window.Answer();
}

NoticeDialog::NoticeDialog(Notice shown, QWidget* owner) : QDialog(owner), notice(shown) {
    const NoticeText text = TextOf(notice);
    setObjectName(text.windowName);
    setWindowTitle(Translated(text.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* grid = new QGridLayout(this);
    auto* image1 = new QLabel(this);
    image1->setObjectName("Image1");
    const QStyle::StandardPixmap picture = notice == Notice::RestoreDefaults
                                               ? QStyle::SP_MessageBoxWarning
                                               : QStyle::SP_MessageBoxInformation;
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    image1->setPixmap(style()->standardIcon(picture, nullptr, this).pixmap(side, side));
    grid->addWidget(image1, 0, 0, Qt::AlignTop);

    auto* label1 = new QLabel(Translated(text.text), this);
    label1->setObjectName("Label1");
    label1->setWordWrap(true);
    label1->setTextFormat(Qt::PlainText);
    label1->setMinimumWidth(label1->fontMetrics().averageCharWidth() * 48);
    grid->addWidget(label1, 0, 1);

    check1 = new QCheckBox(tr("Show this message again in the future."), this);
    check1->setObjectName("Check1");
    check1->setChecked(NoticeWanted(notice));
    grid->addWidget(check1, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const bool question = notice == Notice::RestoreDefaults;
    auto* command1 = new QPushButton(question ? tr("Yes") : tr("OK"), this);
    command1->setObjectName("Command1");
    command1->setDefault(true);
    buttons->addWidget(command1);
    connect(command1, &QPushButton::clicked, this, [this] { Answered(true); });
    if (question) {
        auto* command2 = new QPushButton(tr("No"), this);
        command2->setObjectName("Command2");
        buttons->addWidget(command2);
        connect(command2, &QPushButton::clicked, this, [this] { Answered(false); });
    }
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 2);
}

void NoticeDialog::Answered(bool yes) {
    platform::ProgramSettings().SetNoticeWanted(TextOf(notice).key, check1->isChecked());
    answer = yes;
    accept();
}

} // namespace dialogs
