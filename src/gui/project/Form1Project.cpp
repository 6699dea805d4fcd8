#include "mainwindow/Form1.h"
#include "mainwindow/ItemEditor.h"
#include "platform/MessageBoxes.h"
#include "project/ProjectMessages.h"
#include "style/AdvMenuvals.h"
#include "style/FontOptions.h"
#include "style/FrmAdvBttnOp.h"
#include "style/frmAdvMnuOp.h"

#include <QComboBox>

namespace mainwindow {
namespace {

// A stored font the window does not offer keeps the window's default, and the user is told.
template <typename Style>
Style WithOfferedFont(Style style, const style::FontOptions& fonts, QWidget* owner) {
    if (fonts.FontList()->findText(QString::fromStdString(style.fontName), Qt::MatchExactly) < 0) {
        platform::ShowMessage(owner, project::MissingFontNote());
        style.fontName = fonts.FontName();
    }
    return style;
}

} // namespace

void Form1::ApplyStyles(const model::MenuStyle& menu, const model::ButtonStyle& button) {
    style::frmAdvMnuOp& menuWindow = advMenuvals->MenuWindow();
    menuWindow.Apply(WithOfferedFont(menu, *menuWindow.Fonts(), this));
    style::FrmAdvBttnOp& buttonWindow = advMenuvals->ButtonWindow();
    buttonWindow.Apply(WithOfferedFont(button, *buttonWindow.Fonts(), this));
}

void Form1::PrepareItemEditor() {
    frame1->ResetItemEditor();
}

} // namespace mainwindow
