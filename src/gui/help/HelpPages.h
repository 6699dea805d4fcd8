#pragma once

#include <QString>

class QWidget;

namespace help {

inline constexpr const char* kContentsPage = "index.html";
inline constexpr const char* kTutorialPage = "tutorial.html";

// Opens one of the help pages installed with the program in the browser. A page that is in
// neither of the program's data folders is reported, since the browser would show nothing.
void OpenHelpPage(QWidget* owner, const QString& page);

} // namespace help
