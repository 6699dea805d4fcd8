#pragma once

#include "generate/MenuCodeGenerator.h"

#include <QDialog>
#include <functional>

// The "Generated Menu Code" window: the two blocks to copy, and a way to save them to a file.
class Form3 : public QDialog {
    Q_OBJECT

  public:
    Form3(QWidget* owner, const generate::MenuCode& code, std::function<void()> saveCodeToFile);
};
