#pragma once

#include <QString>
#include <string>

class QWidget;

namespace codeoutput {

// Writes the file whole or not at all; a failure is told in the "Error" box. True when written.
bool WriteOutputFile(QWidget* owner, const QString& path, const std::string& text);

} // namespace codeoutput
