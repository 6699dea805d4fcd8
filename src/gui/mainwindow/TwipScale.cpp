#include "mainwindow/TwipScale.h"

#include <algorithm>
#include <cmath>

namespace mainwindow {
namespace {

constexpr double kTwipsPerInch = 1440.0;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

TwipScale::TwipScale(double scaleFactor, double dpiX, double dpiY)
    : pixelsPerTwipX(scaleFactor * dpiX / kTwipsPerInch),
      pixelsPerTwipY(scaleFactor * dpiY / kTwipsPerInch) {}

int TwipScale::X(int twips) const {
    return Round(twips * pixelsPerTwipX);
}

int TwipScale::Y(int twips) const {
    return Round(twips * pixelsPerTwipY);
}

QRect TwipScale::Rect(const layout::TwipRect& rect) const {
    return {X(rect.left), Y(rect.top), X(rect.width), Y(rect.height)};
}

QSize TwipScale::Size(const layout::TwipSize& size) const {
    return {X(size.width), Y(size.height)};
}

layout::TwipSize TwipScale::Twips(const QSize& pixels) const {
    return {Round(pixels.width() / pixelsPerTwipX), Round(pixels.height() / pixelsPerTwipY)};
}

double FitFactor(const QSize& needed, const layout::TwipSize& designed, double dpiX, double dpiY) {
    const double width = designed.width * dpiX / kTwipsPerInch;
    const double height = designed.height * dpiY / kTwipsPerInch;
    // A pixel more than needed, so that rounding never takes one away.
    return std::max({1.0, (needed.width() + 1) / width, (needed.height() + 1) / height});
}

} // namespace mainwindow
