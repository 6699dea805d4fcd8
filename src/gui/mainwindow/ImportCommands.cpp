#include "mainwindow/ImportCommands.h"

#include "dialogs/ImportDialog.h"
#include "mainwindow/CommandActions.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/ItemListView.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

namespace mainwindow {
namespace {

// The first local file or folder a drag carries; empty when it carries none.
QString DroppedPath(const QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

ImportCommands::ImportCommands(document::MenuDocument& menuDocument, ItemListPanel* itemList,
                               const CommandActions& actions, QWidget* parentWindow)
    : QObject(parentWindow), document(menuDocument), list(itemList), window(parentWindow) {
    connect(actions.importLinks, &QAction::triggered, this, [this] { OpenImport(); });
    list->List()->viewport()->installEventFilter(this);
}

void ImportCommands::OpenImport(const QString& source) {
    dialogs::ImportDialog dialog(document, list->SelectedRow(), window);
    if (!source.isEmpty()) {
        dialog.ReadSource(source);
    }
    dialog.exec();
}

bool ImportCommands::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedPath(drop);
    // Rows dragged within the list are the list's own business.
    if (path.isEmpty()) {
        return QObject::eventFilter(watched, event);
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The window opens once the drop is over, so the dragging program is not kept waiting.
    if (type == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, path] { OpenImport(path); });
    }
    return true;
}

} // namespace mainwindow
