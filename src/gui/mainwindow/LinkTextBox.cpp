#include "mainwindow/LinkTextBox.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

namespace mainwindow {
namespace {

bool CarriesPlainText(const QDropEvent* event) {
    return event->mimeData() != nullptr && event->mimeData()->hasFormat("text/plain");
}

// Accepts with the copy effect or refuses with none.
void Answer(QDropEvent* event, bool accept) {
    if (accept) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

} // namespace

void LinkTextBox::dragEnterEvent(QDragEnterEvent* event) {
    Answer(event, CarriesPlainText(event));
}

void LinkTextBox::dragMoveEvent(QDragMoveEvent* event) {
    Answer(event, CarriesPlainText(event));
}

void LinkTextBox::dropEvent(QDropEvent* event) {
    const bool accept = CarriesPlainText(event);
    if (accept) {
        setText(event->mimeData()->text());
    }
    Answer(event, accept);
}

} // namespace mainwindow
