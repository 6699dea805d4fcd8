#include "widgets/ColorRow.h"

#include "model/Translatable.h"
#include "platform/ColorPicker.h"
#include "platform/MessageBoxes.h"
#include "style/ColorValue.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace widgets {
namespace {

constexpr int kColorTextLength = 7;

model::UserMessage Oops(const char* text) {
    return {TRANSLATABLE("messages", "Oops!"), text, model::MessageIcon::Exclamation, {}};
}

void ShowInvalidOrSelect(QWidget* parent) {
    platform::ShowMessage(parent,
                          Oops(TRANSLATABLE("messages", "Please enter a valid color value or "
                                                        "click \"Select\" to choose a color.")),
                          platform::MessageButtons::OkHelp);
}

bool PassesKeyFilter(QChar c) {
    return style::HexDigitKey(c.unicode()).key != 0;
}

// A colour box: typed characters go through the key filter, pasted text does not.
class ColorBox : public QLineEdit {
  public:
    std::function<void()> leaving;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            focusNextChild();
            return;
        }
        // Shortcuts (paste among them), Backspace and the moving keys are no typed characters.
        const bool shortcut =
            event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (shortcut || typed.size() != 1 || !typed.front().isPrint()) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        const style::FilteredKey filtered = style::HexDigitKey(typed.front().unicode());
        if (filtered.key != 0) {
            insert(QChar(filtered.key));
        }
    }

    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        // Opening a context menu (to paste) or switching windows does not leave the box.
        if (event->reason() != Qt::PopupFocusReason &&
            event->reason() != Qt::ActiveWindowFocusReason && leaving) {
            leaving();
        }
    }
};

} // namespace

ColorRow::ColorRow(int index, const ColorRowSettings& rowSettings, QLabel* rowLabel,
                   QWidget* parentWindow)
    : QObject(parentWindow), settings(rowSettings), window(parentWindow), label(rowLabel) {
    const QString number = QString::number(index);
    auto* colorBox = new ColorBox;
    colorBox->setParent(parentWindow);
    colorBox->setObjectName("txtclr" + number);
    colorBox->setMaxLength(kColorTextLength);
    // Wide enough for a whole colour value and the caret.
    colorBox->setFixedWidth(colorBox->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD")) +
                            12);
    colorBox->leaving = [this] { LeaveBox(); };
    box = colorBox;

    sample = new QLabel(parentWindow);
    sample->setObjectName("lblclr" + number);
    sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sample->setAutoFillBackground(true);
    sample->setFixedSize(box->sizeHint().height(), box->sizeHint().height());

    select = new QPushButton(tr("Select"), parentWindow);
    select->setObjectName("cmdclr" + number);

    connect(box, &QLineEdit::textChanged, this, &ColorRow::RunChangeCheck);
    connect(select, &QPushButton::clicked, this, &ColorRow::PickColor);
}

QString ColorRow::Text() const {
    return box->text();
}

void ColorRow::SetText(const QString& text) {
    box->setText(text);
}

void ColorRow::SetSampleColor(const QColor& colour) {
    sampleColor = colour;
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, colour);
    sample->setPalette(palette);
}

void ColorRow::SetSampleOpaque(bool opaque) {
    sample->setAutoFillBackground(opaque);
    sample->update();
}

void ColorRow::SetAvailable(bool available) {
    for (QWidget* control : {static_cast<QWidget*>(label), static_cast<QWidget*>(box),
                             static_cast<QWidget*>(sample), static_cast<QWidget*>(select)}) {
        if (control != nullptr) {
            control->setEnabled(available);
        }
    }
}

// Changes made here run the check again for the new text, before this run goes on.
void ColorRow::RunChangeCheck() {
    const QString text = box->text();
    if (text.size() != kColorTextLength) {
        ShowNoColor();
    } else {
        if (settings.transparentWhileIncomplete) {
            SetSampleOpaque(true);
        }
        if (!std::all_of(text.begin() + 1, text.end(), PassesKeyFilter)) {
            ShowInvalidOrSelect(window);
            PutBackAfterBadDigit();
            box->setFocus(Qt::OtherFocusReason);
            box->setSelection(1, static_cast<int>(box->text().size()) - 1);
            return;
        }
        if (const auto colour = style::ColorTextToSystemColor(text.toStdString())) {
            SetSampleColor(platform::QColorOf(*colour));
        } else {
            platform::ShowMessage(
                window, Oops(TRANSLATABLE("messages", "Please enter a valid color value.")));
            box->setText(QStringLiteral("#000000"));
        }
    }
    if (!box->text().startsWith('#')) {
        box->setText('#' + box->text());
        box->end(false);
    }
    emit changeCheckFinished(box->text());
}

void ColorRow::ShowNoColor() {
    if (settings.transparentWhileIncomplete) {
        SetSampleOpaque(false);
    } else {
        SetSampleColor(window->window()->palette().color(QPalette::Window));
    }
}

void ColorRow::PutBackAfterBadDigit() {
    box->setText(settings.badDigitRestoresSample ? QString::fromStdString(style::ColorToHex(
                                                       platform::SystemColorOf(sampleColor)))
                                                 : QStringLiteral("#"));
}

void ColorRow::LeaveBox() {
    if (box->text().size() == kColorTextLength) {
        return;
    }
    ShowInvalidOrSelect(window);
    box->setText(QStringLiteral("#000000"));
    box->setFocus(Qt::OtherFocusReason);
    box->setSelection(1, kColorTextLength - 1);
}

void ColorRow::PickColor() {
    const style::SystemColor initial =
        settings.pickerStartsAtSample ? platform::SystemColorOf(sampleColor) : 0;
    const auto chosen = platform::ShowColorPicker(window, initial);
    if (!chosen) {
        return;
    }
    SetSampleColor(platform::QColorOf(*chosen));
    box->setText(QString::fromStdString(style::ColorToHex(*chosen)));
}

} // namespace widgets
