#pragma once

#include "layout/MainWindowLayout.h"

#include <QRect>
#include <QSize>

class QWidget;

namespace mainwindow {

// Converts the designed layout's twips to pixels of this screen, the whole layout enlarged by one
// factor where the desktop's fonts need more room than the design gave them.
class TwipScale {
  public:
    TwipScale() = default;
    TwipScale(double factor, double dpiX, double dpiY);

    int X(int twips) const;
    int Y(int twips) const;
    QRect Rect(const layout::TwipRect& rect) const;
    QSize Size(const layout::TwipSize& size) const;
    layout::TwipSize Twips(const QSize& pixels) const;

  private:
    double pixelsPerTwipX = 96.0 / 1440.0;
    double pixelsPerTwipY = 96.0 / 1440.0;
};

// The smallest factor (at least 1) at which `needed` pixels fit into `designed` twips.
double FitFactor(const QSize& needed, const layout::TwipSize& designed, double dpiX, double dpiY);

} // namespace mainwindow
