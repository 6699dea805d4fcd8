#include "preview/PreviewDock.h"

#include <QAction>

namespace preview {

PreviewDock::PreviewDock(PreviewPane::ProjectSource project, QWidget* parent)
    : QDockWidget(tr("Live Preview"), parent) {
    setObjectName("dockPreview");
    pane = new PreviewPane(std::move(project), this);
    setWidget(pane);
    QAction* toggle = toggleViewAction();
    toggle->setObjectName("mnuPrevPane");
    toggle->setText(tr("&Live Preview"));
    toggle->setStatusTip(tr("Show or hide the menu as it will look, beside the list"));
}

} // namespace preview
