#pragma once

#include <QLineEdit>

namespace mainwindow {

// The link box: plain text dropped on it (an address dragged out of a browser) replaces its
// whole content; data without plain text is refused.
class LinkTextBox : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace mainwindow
