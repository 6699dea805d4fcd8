#pragma once

#include "model/MenuProject.h"

#include <QDialog>

class QGridLayout;

namespace widgets {
class ColorRow;
}

namespace dialogs {

class FontOptions;

// What the two advanced style windows share. Each edits a working copy of one style record:
// filled from the project when it opens, handed back by "OK" (Command8); "Cancel" (Command9),
// Escape and the close box drop it. "Restore Defaults" (cmdrestdef) asks first, unless the user
// silenced the warning.
class StyleDialog : public QDialog {
    Q_OBJECT

  public:
    StyleDialog(const model::StyleDefaults& defaults, QWidget* owner);

    FontOptions* Fonts() const { return fonts; }

  protected:
    // The window's "Restore Defaults" command, after the warning.
    virtual void RestoreDefaults() = 0;
    // A colour row's availability; its sample shows colour only while opaque and complete.
    static void ShowRow(widgets::ColorRow& row, bool available, bool opaque);
    // "Color Options:", the font group, "Dimensions:" and the window buttons, top to bottom.
    void LayOut(QLayout* colorOptions, QLayout* dimensions);
    // Colour row `index` with its caption, on line `index + 1` of `grid`.
    widgets::ColorRow* AddColorRow(QGridLayout* grid, int index, const QString& caption);
    template <typename Rows, typename Texts>
    static void SetColors(const Rows& rows, const Texts& texts) {
        for (std::size_t index = 0; index < rows.size(); ++index) {
            rows[index]->SetText(QString::fromStdString(texts[index]));
        }
    }

    const model::StyleDefaults& defaults;
    FontOptions* fonts = nullptr;
};

} // namespace dialogs
