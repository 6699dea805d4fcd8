#pragma once

#include "generate/MenuCodeGenerator.h"

#include <QDialog>
#include <functional>

namespace dialogs {

// Form3, "Generated Menu Code": the two blocks to copy, and a way to save them to a file.
class GeneratedCodeDialog : public QDialog {
    Q_OBJECT

  public:
    GeneratedCodeDialog(QWidget* owner, const generate::MenuCode& code,
                        std::function<void()> saveCodeToFile);
};

} // namespace dialogs
