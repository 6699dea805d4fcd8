#include "mainwindow/HelpCommands.h"

#include "auxwindows/TipsFile.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/TellFriendsDialog.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "help/HelpPages.h"
#include "mainwindow/CommandActions.h"
#include "model/MakerAddresses.h"
#include "platform/Documents.h"
#include "platform/Translations.h"

#include <QAction>
#include <QWhatsThis>

namespace mainwindow {

HelpCommands::HelpCommands(const CommandActions& actions, QWidget* owner)
    : QObject(owner), window(owner), showTipsAtStartup(dialogs::StoredShowTipsAtStartup()) {
    connect(actions.helpTopics, &QAction::triggered, this,
            [this] { help::OpenHelpPage(window, help::kContentsPage); });
    connect(actions.tutorial, &QAction::triggered, this,
            [this] { help::OpenHelpPage(window, help::kTutorialPage); });
    connect(actions.contextHelp, &QAction::triggered, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
    connect(actions.tipOfTheDay, &QAction::triggered, this, &HelpCommands::ShowTip);
    connect(actions.tellFriends, &QAction::triggered, this,
            [this] { dialogs::TellFriendsDialog(window).exec(); });
    connect(actions.otherSoftware, &QAction::triggered, this,
            [this] { platform::OpenDocument(window, QString::fromUtf8(model::kMakerSite)); });
    connect(actions.about, &QAction::triggered, this,
            [this] { dialogs::AboutDialog(window).exec(); });
}

void HelpCommands::ShowTip() {
    const QString tips = platform::LocalizedDataFile(QString::fromUtf8(auxwindows::kTipsFileName));
    dialogs::TipOfTheDayDialog(window, showTipsAtStartup, tips).exec();
}

void HelpCommands::ShowStartupTip() {
    if (showTipsAtStartup != 0) {
        ShowTip();
    }
}

} // namespace mainwindow
