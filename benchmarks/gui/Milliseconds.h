#pragma once

#include <QElapsedTimer>

// What a timer has measured, in milliseconds with the fraction kept.
inline double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}
