#include "mainwindow/Form1.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/LinkTextBox.h"
#include "mainwindow/OptionsPanel.h"
#include "style/AdvMenuvals.h"
#include "style/FrmAdvBttnOp.h"
#include "style/frmAdvMnuOp.h"

namespace mainwindow {

void Form1::ResetProject() {
    // The style windows restore their defaults without asking while this is set.
    flags.resetInProgress = true;
    advMenuvals->ButtonWindow().RestoreButtonDefaults();
    advMenuvals->MenuWindow().RestoreMenuDefaults();

    const model::MenuProject fresh = model::NewProject({});
    sstab1->ApplyOptions(fresh.menu, fresh.button);
    frame1->ItemText()->clear();
    frame1->LinkText()->clear();
    frame1->NotLinked()->setChecked(false);
    ItemListModel* items = frame2->Model();
    items->removeRows(0, items->rowCount());

    setWindowTitle(tr("Quorvane"));
    show();
    frame1->ItemText()->setFocus(Qt::OtherFocusReason);
    StoreAdvValues();
    flags.projectChanged = false;
    flags.resetInProgress = false;
}

} // namespace mainwindow
