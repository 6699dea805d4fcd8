#include "FileDialogs.h"

#include "FileFilters.h"
#include "MessageBoxes.h"

#include <QFileDialog>
#include <QFileInfo>
#include <deque>
#include <optional>

namespace platform {

namespace {

struct DialogSeam {
    std::deque<QString> names;
    QList<DialogRequest> requests;
};

DialogSeam& Seam() {
    static DialogSeam seam;
    return seam;
}

// The test's answer, when a test is answering.
std::optional<QString> AnswerFromTest(const DialogRequest& request) {
    DialogSeam& seam = Seam();
    if (seam.names.empty() && !AnsweringAutomatically()) {
        return std::nullopt;
    }
    seam.requests.append(request);
    if (seam.names.empty()) {
        return QString();
    }
    QString name = seam.names.front();
    seam.names.pop_front();
    return name;
}

QString RunDialog(QWidget* owner, QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode,
                  const DialogRequest& request) {
    if (const std::optional<QString> answer = AnswerFromTest(request)) {
        return *answer;
    }
    // Qt's own dialog behaves the same on every desktop.
    QFileDialog dialog(owner, request.title, StartFolderOf(request.initialFolder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setOption(QFileDialog::ShowDirsOnly, fileMode == QFileDialog::Directory);
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(DefaultSuffixOf(filters.value(0)));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& chosen) { dialog.setDefaultSuffix(DefaultSuffixOf(chosen)); });
    }
    if (!request.presetName.isEmpty()) {
        dialog.selectFile(QFileInfo(request.presetName).fileName());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

} // namespace

QString ShowOpenDialog(QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder) {
    return RunDialog(owner, QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
                     {title, filter, initialFolder, {}});
}

QString ShowFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder) {
    return RunDialog(owner, QFileDialog::AcceptOpen, QFileDialog::Directory,
                     {title, {}, initialFolder, {}});
}

QString ShowSaveDialog(QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder, const QString& presetName) {
    return RunDialog(owner, QFileDialog::AcceptSave, QFileDialog::AnyFile,
                     {title, filter, initialFolder, presetName});
}

void QueueFileName(const QString& path) {
    Seam().names.push_back(path);
}

const QList<DialogRequest>& DialogRequests() {
    return Seam().requests;
}

void ClearDialogRequests() {
    Seam().requests.clear();
}

} // namespace platform
