#include "ColorPicker.h"

#include "MessageBoxes.h"

#include <QColorDialog>
#include <deque>

namespace platform {

namespace {

constexpr style::SystemColor kWhite = 0xFFFFFF;

struct PickerSeam {
    std::deque<std::optional<style::SystemColor>> answers;
    std::vector<ColorPickerRequest> requests;
};

PickerSeam& Seam() {
    static PickerSeam seam;
    return seam;
}

// Lives for the run; never saved.
CustomColors& CustomColorTable() {
    static CustomColors table{};
    return table;
}

std::optional<style::SystemColor> RunDialog(QWidget* owner, style::SystemColor initial) {
    CustomColors& table = CustomColorTable();
    for (int index = 0; index < kCustomColorCount; ++index) {
        QColorDialog::setCustomColor(index, QColorOf(table[static_cast<std::size_t>(index)]));
    }
    // Qt's own dialog behaves the same on every desktop and shares its custom colours.
    QColorDialog dialog(QColorOf(initial), owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int index = 0; index < kCustomColorCount; ++index) {
        table[static_cast<std::size_t>(index)] = SystemColorOf(QColorDialog::customColor(index));
    }
    if (!chosen) {
        return std::nullopt;
    }
    return SystemColorOf(dialog.selectedColor());
}

} // namespace

QColor QColorOf(style::SystemColor colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

style::SystemColor SystemColorOf(const QColor& colour) {
    return static_cast<style::SystemColor>(colour.red()) |
           static_cast<style::SystemColor>(colour.green()) << 8 |
           static_cast<style::SystemColor>(colour.blue()) << 16;
}

std::optional<style::SystemColor> ShowColorPicker(QWidget* owner, style::SystemColor initial) {
    CustomColors& table = CustomColorTable();
    for (style::SystemColor& entry : table) {
        if (entry == 0) {
            entry = kWhite;
        }
    }
    PickerSeam& seam = Seam();
    if (seam.answers.empty() && !AnsweringAutomatically()) {
        return RunDialog(owner, initial);
    }
    seam.requests.push_back({initial, table});
    if (seam.answers.empty()) {
        return std::nullopt;
    }
    const auto answer = seam.answers.front();
    seam.answers.pop_front();
    return answer;
}

void QueueColorChoice(std::optional<style::SystemColor> colour) {
    Seam().answers.push_back(colour);
}

const std::vector<ColorPickerRequest>& ColorPickerRequests() {
    return Seam().requests;
}

void ClearColorPickerRequests() {
    Seam().requests.clear();
}

} // namespace platform
