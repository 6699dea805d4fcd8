#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open and save dialogs. Filters are "description|pattern" pairs, the final bar optional.
namespace platform {

// The chosen path, or empty when the user cancelled.
QString ShowOpenDialog(QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder);

// `presetName` fills the name box (empty for none). A name typed without an extension gets the
// filter's. The dialog asks before an existing file is replaced.
QString ShowSaveDialog(QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder, const QString& presetName);

// The chosen folder, or empty when the user cancelled.
QString ShowFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder);

// Test seam: the next dialog returns this path (empty: cancelled) without being shown, and
// records what it was asked. While message boxes answer automatically, a dialog with no name
// queued is cancelled (and recorded) instead of shown.
struct DialogRequest {
    QString title;
    QString filter;
    QString initialFolder;
    QString presetName;
};
void QueueFileName(const QString& path);
const QList<DialogRequest>& DialogRequests();
void ClearDialogRequests();

} // namespace platform
