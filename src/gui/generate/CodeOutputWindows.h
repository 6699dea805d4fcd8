#pragma once

#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"

#include <functional>

class QWidget;

// Takes generated code to the user: the "Generated Menu Code" window, the code file, the preview.
namespace codeoutput {

// Shows Form3 modally over `owner`; its "Save to File" button runs `saveCodeToFile`.
void ShowGeneratedCode(QWidget* owner, const generate::MenuCode& code,
                       const std::function<void()>& saveCodeToFile);

// Asks for an .html file and writes the code file; a failure is told in a message box.
void SaveCodeToFile(QWidget* owner, const generate::MenuCode& code);

// Writes the preview pages into the private temporary folder and opens them in the browser.
void ShowPreview(QWidget* owner, const generate::MenuCode& code, const model::MenuOptions& menu);

// Removes the preview pages; errors are ignored.
void DeletePreviewFiles();

} // namespace codeoutput
