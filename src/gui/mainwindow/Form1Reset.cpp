#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/OptionsPanel.h"

#include <QLineEdit>

namespace mainwindow {

void Form1::ResetProject() {
    flags.resetInProgress = true;
    const model::MenuProject fresh = model::NewProject(model::PlainStyleDefaults());
    menuStyle = fresh.menuStyle;
    buttonStyle = fresh.buttonStyle;
    sstab1->ChooseButtonAlign(fresh.menu.buttonAlign);
    findChild<QLineEdit*>("txtfrm")->clear();
    findChild<QLineEdit*>("itemtexttext")->clear();
    findChild<QLineEdit*>("linktext")->clear();
    sstab1->ChooseButtonKind(fresh.button.buttonKind);
    findChild<QLineEdit*>("buttontxttxt")->setText(QString::fromStdString(fresh.button.buttonText));
    sstab1->ChooseLinkTarget(fresh.menu.linkTarget);
    for (const char* box : {"txtmnm", "buttngrurl", "txtalt", "txth", "txtw"}) {
        findChild<QLineEdit*>(box)->clear();
    }
    frame2->Model()->removeRows(0, frame2->Model()->rowCount());
    sstab1->ChooseNavigation(fresh.menu.navigation);
    setWindowTitle(tr("Quorvane"));
    show();
    findChild<QLineEdit*>("itemtexttext")->setFocus(Qt::OtherFocusReason);
    flags.projectChanged = false;
    flags.resetInProgress = false;
}

} // namespace mainwindow
