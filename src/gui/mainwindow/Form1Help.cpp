#include "auxwindows/FrmAbt.h"
#include "auxwindows/HelpPages.h"
#include "auxwindows/TipsFile.h"
#include "auxwindows/WhatsThisTexts.h"
#include "auxwindows/frmTAF.h"
#include "auxwindows/frmTip.h"
#include "mainwindow/Form1.h"
#include "model/MakerAddresses.h"
#include "platform/DataFiles.h"
#include "platform/Documents.h"

#include <QAction>
#include <QWhatsThis>

namespace mainwindow {

// The Help menu, its toolbar keys, and the What's This texts of every control built so far.
void Form1::SetUpHelp() {
    const auto onEntry = [this](const char* name, auto&& command) {
        connect(findChild<QAction*>(name), &QAction::triggered, this, command);
    };
    onEntry("mnuHlpCont", [this] { auxwindows::OpenHelpPage(this, auxwindows::kContentsPage); });
    onEntry("mnuHelpTut", [this] { auxwindows::OpenHelpPage(this, auxwindows::kTutorialPage); });
    onEntry("mnuHelpCtx", [] { QWhatsThis::enterWhatsThisMode(); });
    onEntry("mnuhlpTips", [this] {
        const QString tips =
            platform::ProgramDataFile(QString::fromUtf8(auxwindows::kTipsFileName));
        auxwindows::frmTip(this, showTipsAtStartup, tips).exec();
    });
    onEntry("mnuhelptaf", [this] { auxwindows::frmTAF(this).exec(); });
    onEntry("mnuHelpMFS",
            [this] { platform::OpenDocument(this, QString::fromUtf8(model::kMakerSite)); });
    onEntry("mnuHlpAb", [this] { auxwindows::FrmAbt(this).exec(); });

    showTipsAtStartup = auxwindows::StoredShowTipsAtStartup();
    auxwindows::ApplyWhatsThis(this);
}

void Form1::ShowStartupTip() {
    if (showTipsAtStartup != 0) {
        findChild<QAction*>("mnuhlpTips")->trigger();
    }
}

} // namespace mainwindow
