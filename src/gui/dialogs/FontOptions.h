#pragma once

#include <QGroupBox>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace dialogs {

// "Font Options:" of a style window: the installed fonts `combofont` (Label2), the sizes
// `combofontsize` (Label1, "8" to "16", digits only), "Underlined" and "Italics" (named by the
// window), and the weight slider `Slider1` from "Lighter" (Label9) to "Bolder" (Label10) under
// "Font Weight:" (Label11), its value shown in Label16.
class FontOptions : public QGroupBox {
    Q_OBJECT

  public:
    FontOptions(const char* underlinedName, const char* italicsName, QWidget* parent);

    QCheckBox* Underlined() const { return underlined; }
    QCheckBox* Italics() const { return italics; }
    QSlider* Weight() const { return slider1; }

    void AddFont(const QString& name);
    // `fontName`, the sixth size ("13") and the weight 500.
    void RestoreDefaults(const std::string& fontName);

    std::string FontName() const;
    std::string FontSize() const;
    void SetFont(const std::string& name, const std::string& size, int weight);

  private:
    QComboBox* combofont = nullptr;
    QComboBox* combofontsize = nullptr;
    QCheckBox* underlined = nullptr;
    QCheckBox* italics = nullptr;
    QSlider* slider1 = nullptr;
    QLabel* label16 = nullptr;
};

} // namespace dialogs
