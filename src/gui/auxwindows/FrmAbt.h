#pragma once

#include <QDialog>

namespace auxwindows {

// "About...": the program, its version, its licence and the maker's two links. The window stays
// open after a link is followed.
class FrmAbt : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAbt(QWidget* owner);
};

} // namespace auxwindows
