#include "style/AdvMenuvals.h"

#include "style/FrmAdvBttnOp.h"
#include "style/frmAdvMnuOp.h"

namespace style {
namespace {

constexpr std::string_view kMenuKind = "mnu";
constexpr std::string_view kButtonKind = "bttn";

} // namespace

AdvMenuvals::AdvMenuvals(model::ProjectFlags& projectFlags, QWidget* owner)
    : QObject(owner), flags(projectFlags), menuWindow(new frmAdvMnuOp(projectFlags, owner)),
      buttonWindow(new FrmAdvBttnOp(projectFlags, owner)) {
    connect(menuWindow, &StyleWindow::okChosen, this, [this] { Commit(kMenuKind); });
    connect(menuWindow, &StyleWindow::cancelChosen, this, [this] { RecallAdvValues(kMenuKind); });
    connect(buttonWindow, &StyleWindow::okChosen, this, [this] { Commit(kButtonKind); });
    connect(buttonWindow, &StyleWindow::cancelChosen, this,
            [this] { RecallAdvValues(kButtonKind); });
}

void AdvMenuvals::StoreAdvValues(std::string_view kind) {
    if (kind == kMenuKind) {
        menuStyle = menuWindow->Read();
    } else if (kind == kButtonKind) {
        buttonStyle = buttonWindow->Read();
    }
}

void AdvMenuvals::RecallAdvValues(std::string_view kind) {
    if (kind == kMenuKind) {
        menuWindow->Apply(menuStyle);
    } else if (kind == kButtonKind) {
        buttonWindow->Apply(buttonStyle);
    }
}

void AdvMenuvals::Commit(std::string_view kind) {
    const model::MenuStyle menuBefore = menuStyle;
    const model::ButtonStyle buttonBefore = buttonStyle;
    StoreAdvValues(kind);
    if (flags.projectHasFile && (menuStyle != menuBefore || buttonStyle != buttonBefore)) {
        flags.projectChanged = true;
    }
}

} // namespace style
