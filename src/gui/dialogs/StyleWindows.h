#pragma once

#include "model/MenuProject.h"

#include <QObject>

class QProgressBar;

namespace document {
class DesktopDefaults;
class MenuDocument;
} // namespace document

namespace dialogs {

class ButtonStyleDialog;
class MenuStyleDialog;

// The two advanced style windows of the main window, made once and afterwards only shown (behind
// the browser notice): each shows the project's style and hands it back on "OK".
class StyleWindows : public QObject {
    Q_OBJECT

  public:
    StyleWindows(document::MenuDocument& document, const document::DesktopDefaults& defaults,
                 QWidget* owner);

    // The installed fonts into both font lists, counted on `progress`.
    void LoadFonts(QProgressBar* progress);

    void OpenMenuStyle();
    void OpenButtonStyle();

    // A loaded project's styles as the windows take them: a font that is not installed is told
    // once per window and gives way to the default, and each window's rules apply to its values.
    model::MenuProject Loaded(model::MenuProject project, QWidget* messageOwner);

  private:
    document::MenuDocument& document;
    const document::DesktopDefaults& defaults;
    MenuStyleDialog* menuWindow = nullptr;
    ButtonStyleDialog* buttonWindow = nullptr;
};

} // namespace dialogs
