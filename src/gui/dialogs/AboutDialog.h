#pragma once

#include <QDialog>

namespace dialogs {

// FrmAbt, "About...": the program, its version, its licence and the maker's two links. The window
// stays open after a link is followed.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* owner);
};

} // namespace dialogs
