#include "mainwindow/Form1.h"
#include "mainwindow/LoadingWindow.h"
#include "mainwindow/OptionsPanel.h"
#include "style/AdvMenuvals.h"
#include "style/FontOptions.h"
#include "style/FrmAdvBttnOp.h"
#include "style/Notices.h"
#include "style/frmAdvMnuOp.h"

#include <QFontDatabase>
#include <QProgressBar>
#include <QPushButton>

namespace mainwindow {
namespace {

// The browser notice has no owner; the style window opens once it is closed.
void OpenStyleWindow(QDialog& window) {
    style::ShowNotice(style::Notice::Browser, nullptr);
    window.exec();
}

} // namespace

// Both style windows load with their default colours while the loading window counts the fonts
// going into their lists.
void Form1::LoadStyleWindows(LoadingWindow& loading) {
    const QStringList families = QFontDatabase::families();
    loading.Progress()->setMaximum(static_cast<int>(families.size()));
    advMenuvals = new style::AdvMenuvals(flags, this);
    style::FontOptions* buttonFonts = advMenuvals->ButtonWindow().Fonts();
    style::FontOptions* menuFonts = advMenuvals->MenuWindow().Fonts();
    int counter = 0;
    for (const QString& family : families) {
        loading.Progress()->setValue(++counter);
        buttonFonts->AddFont(family);
        menuFonts->AddFont(family);
    }
    for (style::FontOptions* fonts : {buttonFonts, menuFonts}) {
        fonts->SelectDefaultFont(style::FontMoment::Startup);
        fonts->SelectDefaultSize();
    }

    connect(sstab1->AdvancedMenuButton(), &QPushButton::clicked, this,
            [this] { OpenStyleWindow(advMenuvals->MenuWindow()); });
    connect(sstab1->AdvancedButtonButton(), &QPushButton::clicked, this,
            [this] { OpenStyleWindow(advMenuvals->ButtonWindow()); });
}

// Generating, saving, loading and a new project read the committed styles only after this.
void Form1::StoreAdvValues() {
    advMenuvals->StoreAdvValues("mnu");
    advMenuvals->StoreAdvValues("bttn");
}

} // namespace mainwindow
