#include "dialogs/StyleWindows.h"

#include "dialogs/ButtonStyleDialog.h"
#include "dialogs/FontOptions.h"
#include "dialogs/MenuStyleDialog.h"
#include "dialogs/NoticeDialog.h"
#include "document/ChangeStyleCommand.h"
#include "document/DesktopDefaults.h"
#include "document/MenuDocument.h"
#include "platform/MessageBoxes.h"
#include "project/ProjectMessages.h"

#include <QProgressBar>

namespace dialogs {
namespace {

// The window fills itself from the style, its rules reacting as to clicks, and reads back what
// it then shows.
template <typename Window, typename Style>
Style AsShownBy(Window& window, const Style& style) {
    window.Apply(style);
    return window.Read();
}

} // namespace

StyleWindows::StyleWindows(document::MenuDocument& menuDocument,
                           const document::DesktopDefaults& desktop, QWidget* owner)
    : QObject(owner), document(menuDocument), defaults(desktop),
      menuWindow(new MenuStyleDialog(desktop.At(style::FontMoment::NewProject), owner)),
      buttonWindow(new ButtonStyleDialog(desktop.At(style::FontMoment::NewProject), owner)) {
    // Between openings each window shows the project's style: "OK" hands its values to the
    // project, the other ways out take them back.
    connect(menuWindow, &QDialog::accepted, this, [this] {
        if (menuWindow->Read() != document.Project().menuStyle) {
            document.Push(new document::ChangeStyleCommand(document, menuWindow->Read()));
        }
    });
    connect(buttonWindow, &QDialog::accepted, this, [this] {
        if (buttonWindow->Read() != document.Project().buttonStyle) {
            document.Push(new document::ChangeStyleCommand(document, buttonWindow->Read()));
        }
    });
    const auto showMenuStyle = [this] { menuWindow->Apply(document.Project().menuStyle); };
    const auto showButtonStyle = [this] { buttonWindow->Apply(document.Project().buttonStyle); };
    connect(menuWindow, &QDialog::rejected, this, showMenuStyle);
    connect(buttonWindow, &QDialog::rejected, this, showButtonStyle);
    connect(&document, &document::MenuDocument::menuStyleChanged, this, showMenuStyle);
    connect(&document, &document::MenuDocument::buttonStyleChanged, this, showButtonStyle);
}

void StyleWindows::LoadFonts(QProgressBar* progress) {
    progress->setMaximum(static_cast<int>(defaults.Fonts().size()));
    int counter = 0;
    for (const QString& family : defaults.Fonts()) {
        progress->setValue(++counter);
        buttonWindow->Fonts()->AddFont(family);
        menuWindow->Fonts()->AddFont(family);
    }
    menuWindow->Apply(document.Project().menuStyle);
    buttonWindow->Apply(document.Project().buttonStyle);
}

// The browser notice has no owner; the style window opens once it is closed.
void StyleWindows::OpenMenuStyle() {
    ShowNotice(Notice::Browser, nullptr);
    menuWindow->exec();
}

void StyleWindows::OpenButtonStyle() {
    ShowNotice(Notice::Browser, nullptr);
    buttonWindow->exec();
}

model::MenuProject StyleWindows::Loaded(model::MenuProject project, QWidget* messageOwner) {
    const std::string& newFont = defaults.At(style::FontMoment::NewProject).fontName;
    const auto offered = [&](std::string& font) {
        if (!defaults.Offers(font)) {
            platform::ShowMessage(messageOwner, project::MissingFontNote());
            font = newFont;
        }
    };
    offered(project.menuStyle.fontName);
    project.menuStyle = AsShownBy(*menuWindow, project.menuStyle);
    offered(project.buttonStyle.fontName);
    project.buttonStyle = AsShownBy(*buttonWindow, project.buttonStyle);
    return project;
}

} // namespace dialogs
