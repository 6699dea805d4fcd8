#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;

namespace dialogs {

// The stored "Show Tips at Startup" choice: 1 to show the tip at start-up, 0 not to.
int StoredShowTipsAtStartup();

// frmTip, "Quorvane Tip of the Day": a random tip from the tips file, and the choice of seeing one
// at every start. The tips are read each time the window opens.
class TipOfTheDayDialog : public QDialog {
    Q_OBJECT

  public:
    // `showTipsAtStartup` is the main window's; a click on the check box stores the new choice
    // and sets it there too.
    TipOfTheDayDialog(QWidget* owner, int& showTipsAtStartup, const QString& tipsFile);

    // False when the name is empty or names no readable file.
    bool LoadTips(const QString& fileName);
    void ShowRandomTip();
    void DisplayCurrentTip();

  private:
    void StartupChoiceClicked(bool checked);

    int& showTipsAtStartup;
    QStringList tipList;
    int tipIndex = 0; // from 1
    QLabel* lblTipText = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
};

} // namespace dialogs
