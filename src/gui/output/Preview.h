#pragma once

#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"

class QWidget;

namespace output {

// Writes the preview pages into the private temporary folder and opens them in the browser.
void ShowPreview(QWidget* owner, const generate::MenuCode& code, const model::MenuOptions& menu);

// Removes the preview pages; errors are ignored.
void DeletePreviewFiles();

} // namespace output
