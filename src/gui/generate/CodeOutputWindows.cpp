#include "CodeOutputWindows.h"

#include "Form3.h"
#include "OutputFiles.h"
#include "generate/CodeOutput.h"
#include "platform/FileDialogs.h"

#include <QCoreApplication>

namespace codeoutput {

void ShowGeneratedCode(QWidget* owner, const generate::MenuCode& code,
                       const std::function<void()>& saveCodeToFile) {
    Form3 window(owner, code, saveCodeToFile);
    window.exec();
}

void SaveCodeToFile(QWidget* owner, const generate::MenuCode& code) {
    const QString path = platform::ShowSaveDialog(
        owner, QCoreApplication::translate("codeoutput", "HTML File (*.html)|*.html"),
        QCoreApplication::translate("codeoutput", "Save Code to File..."),
        QCoreApplication::applicationDirPath(), {});
    if (!path.isEmpty()) {
        WriteOutputFile(owner, path, generate::CodeFileText(code));
    }
}

} // namespace codeoutput
