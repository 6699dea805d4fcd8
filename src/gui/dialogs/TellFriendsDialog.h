#pragma once

#include <QDialog>
#include <array>

class QLineEdit;

namespace dialogs {

// frmTAF, "Tell your friends about Quorvane": up to five addresses, handed with a ready-made
// message to the user's e-mail program.
class TellFriendsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TellFriendsDialog(QWidget* owner);

  private:
    void Send();

    std::array<QLineEdit*, 5> text1{}; // Text10 ... Text14
};

} // namespace dialogs
