#pragma once

#include <QDialog>

class QCheckBox;

namespace dialogs {

// The three notices the style windows show, each silenced for good by its key in section
// "Messages" of the settings: iemsgfrm (the browser notice), Form4 (the border notice) and Form5
// (the restore warning, answered Yes or No).
enum class Notice { Browser, ButtonBorder, RestoreDefaults };

// Shows the notice modally over `owner` when its key asks for it. False only when the restore
// warning was answered "No".
bool ShowNotice(Notice notice, QWidget* owner);

// One notice window: a picture, the text, its buttons (Command1, and Command2 for "No") and the
// box Check1 that keeps it coming. Its close box writes nothing and counts as "Yes".
class NoticeDialog : public QDialog {
    Q_OBJECT

  public:
    NoticeDialog(Notice notice, QWidget* owner);

    bool Answer() const { return answer; }

  private:
    void Answered(bool yes);

    Notice notice;
    QCheckBox* check1 = nullptr;
    bool answer = true;
};

} // namespace dialogs
