#pragma once

#include "model/MenuProject.h"

#include <QDialog>

class QBoxLayout;

namespace style {

class CColorRow;
class FontOptions;

// What the two advanced style windows share: loaded once and afterwards only shown and hidden,
// "OK" (Command8) hides and commits, "Cancel" (Command9), Escape and the close box hide and
// take back, "Restore Defaults" (cmdrestdef) asks first unless a reset is filling in values.
class StyleWindow : public QDialog {
    Q_OBJECT

  public:
    StyleWindow(model::ProjectFlags& flags, QWidget* owner);

    FontOptions* Fonts() const { return fonts; }

    void reject() override;

  signals:
    void okChosen();
    void cancelChosen();

  protected:
    // The window's "Restore Defaults" command.
    virtual void RestoreDefaults() = 0;
    // Whether a restore may go on: the warning is answered "Yes", silenced, or not asked now.
    bool RestoreConfirmed();
    void MarkChangedWhenSaved() const;
    // A colour row's availability; its sample shows colour only while opaque and complete.
    static void ShowRow(CColorRow& row, bool available, bool opaque);
    // The font group and the window buttons below `content`.
    void FinishLayout(QBoxLayout* content);

    model::ProjectFlags& flags;
    FontOptions* fonts = nullptr;
};

} // namespace style
