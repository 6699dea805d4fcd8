#include "widgets/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace widgets {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

// The underline shows which link Enter would start.
void LinkLabel::focusInEvent(QFocusEvent* event) {
    Underline(true);
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
    Underline(false);
    QLabel::focusOutEvent(event);
}

void LinkLabel::Underline(bool on) {
    QFont linkFont = font();
    linkFont.setUnderline(on);
    setFont(linkFont);
}

} // namespace widgets
