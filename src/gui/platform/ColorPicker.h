#pragma once

#include "style/ColorValue.h"

#include <array>
#include <optional>
#include <vector>

class QColor;
class QWidget;

namespace platform {

inline constexpr int kCustomColorCount = 16;
using CustomColors = std::array<style::SystemColor, kCustomColorCount>;

// A colour as the platform's colour number (red in the lowest byte) and as Qt's colour.
QColor QColorOf(style::SystemColor colour);
style::SystemColor SystemColorOf(const QColor& colour);

// The colour picker, started at `initial` and offering the custom colours shared by every picker
// of the run (unused entries, held as black, are offered as white). Returns the chosen colour, or
// nothing when the user cancelled.
std::optional<style::SystemColor> ShowColorPicker(QWidget* owner, style::SystemColor initial);

// Test seam: while answers are queued, no picker is shown; each run takes the next answer (a
// colour, or nothing for a cancel) and records what it was offered. While message boxes answer
// automatically, a picker with no answer queued is cancelled (and recorded) instead of shown.
struct ColorPickerRequest {
    style::SystemColor initial;
    CustomColors customColors;
};
void QueueColorChoice(std::optional<style::SystemColor> colour);
const std::vector<ColorPickerRequest>& ColorPickerRequests();
void ClearColorPickerRequests();

} // namespace platform
