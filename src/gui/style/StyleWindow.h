#pragma once

#include "model/MenuProject.h"

#include <QDialog>

class QGridLayout;

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
    // "Color Options:", the font group, "Dimensions:" and the window buttons, top to bottom.
    void LayOut(QLayout* colorOptions, QLayout* dimensions);
    // Colour row `index` with its caption, on line `index + 1` of `grid`.
    CColorRow* AddColorRow(QGridLayout* grid, int index, const QString& caption);
    template <typename Rows, typename Texts>
    static void SetColors(const Rows& rows, const Texts& texts) {
        for (std::size_t index = 0; index < rows.size(); ++index) {
            rows[index]->SetText(QString::fromStdString(texts[index]));
        }
    }

    model::ProjectFlags& flags;
    FontOptions* fonts = nullptr;
};

} // namespace style
