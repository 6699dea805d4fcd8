#pragma once

#include "generate/MenuCodeGenerator.h"

#include <QString>
#include <string>

class QWidget;

// Files of generated code: the code file the user saves and the pages of the preview.
namespace output {

// Writes the file whole or not at all. Why it failed, naming the file; empty when written.
QString WriteFileError(const QString& path, const std::string& text);

// As WriteFileError, a failure told in the "Error" box. True when written.
bool WriteOutputFile(QWidget* owner, const QString& path, const std::string& text);

// Asks for an .html file and writes the code file; a failure is told in a message box.
void SaveCodeToFile(QWidget* owner, const generate::MenuCode& code);

} // namespace output
