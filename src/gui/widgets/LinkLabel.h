#pragma once

#include <QLabel>

namespace widgets {

// A web or mail address shown as a link: blue, with the hand pointer over it, started by a click
// or, when it has the keyboard focus, by Enter or Space.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    LinkLabel(const QString& text, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Underline(bool on);
};

} // namespace widgets
