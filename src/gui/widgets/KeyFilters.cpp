#include "widgets/KeyFilters.h"

#include "style/ColorValue.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace widgets {
namespace {

// The paste shortcut arrives as control character 22, as Ctrl+V types it.
constexpr int kPasteKey = 22;

class TypedKeyFilter : public QObject {
  public:
    TypedKeyFilter(std::function<bool(int)> keyPasses, QObject* parent)
        : QObject(parent), passes(std::move(keyPasses)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        auto* key = static_cast<QKeyEvent*>(event);
        const int typed = TypedCharacter(*key);
        if (typed == 0) {
            return false;
        }
        return !passes(typed);
    }

  private:
    static int TypedCharacter(const QKeyEvent& key) {
        if (key.key() == Qt::Key_Backspace) {
            return style::kBackspaceKey;
        }
        if (key.matches(QKeySequence::Paste)) {
            return kPasteKey;
        }
        const QString text = key.text();
        const bool shortcut =
            key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (shortcut || text.size() != 1 || !text.front().isPrint()) {
            return 0;
        }
        return text.front().unicode();
    }

    std::function<bool(int)> passes;
};

} // namespace

void FilterTypedKeys(QLineEdit* box, std::function<bool(int)> passes) {
    box->installEventFilter(new TypedKeyFilter(std::move(passes), box));
}

void AcceptDigitsOnly(QLineEdit* box) {
    FilterTypedKeys(box, [](int key) { return style::DigitKey(key) != 0; });
}

} // namespace widgets
