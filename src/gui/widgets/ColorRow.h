#pragma once

#include <QColor>
#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace widgets {

// Where the colour rows of the windows differ.
struct ColorRowSettings {
    // While the text is not a whole colour value the sample is transparent; otherwise it takes
    // the window's background.
    bool transparentWhileIncomplete = true;
    // A bad digit puts back the colour the sample shows; otherwise the text becomes "#".
    bool badDigitRestoresSample = true;
    // The picker starts at the sample's colour; otherwise at black.
    bool pickerStartsAtSample = true;
};

// The item colours of the main window's editor.
inline constexpr ColorRowSettings kItemColorRow{false, false, false};
// The colours of the advanced style windows.
inline constexpr ColorRowSettings kStyleColorRow{true, true, true};

// One colour: the text box txtclr<index> (typed keys filtered, every change checked, an
// incomplete value refused on leaving), the sample lblclr<index> showing the last good colour,
// and the "Select" button cmdclr<index> that opens the colour picker. The controls are children
// of `window`, placed by its layout; `label` names the row.
class ColorRow : public QObject {
    Q_OBJECT

  public:
    ColorRow(int index, const ColorRowSettings& settings, QLabel* label, QWidget* window);

    QLineEdit* Box() const { return box; }
    QLabel* Sample() const { return sample; }
    QPushButton* SelectButton() const { return select; }

    QString Text() const;
    // A text different from the present one runs the change check.
    void SetText(const QString& text);
    // The change check on the present text.
    void RunChangeCheck();

    QColor SampleColor() const { return sampleColor; }
    void SetSampleColor(const QColor& colour);
    void SetSampleOpaque(bool opaque);

    // The label, box, sample and button together.
    void SetAvailable(bool available);

  signals:
    // A change check that ran to its end, with the text the box then holds.
    void changeCheckFinished(const QString& text);

  private:
    void ShowNoColor();
    void PutBackAfterBadDigit();
    void LeaveBox();
    void PickColor();

    ColorRowSettings settings;
    QWidget* window = nullptr;
    QLabel* label = nullptr;
    QLineEdit* box = nullptr;
    QLabel* sample = nullptr;
    QPushButton* select = nullptr;
    QColor sampleColor;
};

} // namespace widgets
