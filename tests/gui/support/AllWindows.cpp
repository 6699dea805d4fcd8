#include "support/AllWindows.h"

#include "auxwindows/TipsFile.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/GeneratedCodeDialog.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/LoadingWindow.h"
#include "dialogs/NoticeDialog.h"
#include "dialogs/TellFriendsDialog.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "mainwindow/MainWindow.h"
#include "platform/DataFiles.h"

#include <QApplication>

namespace {

void Visit(const std::function<void(const QString&, QWidget&)>& visit, const QString& name,
           QWidget& window) {
    window.show();
    QApplication::processEvents();
    visit(name, window);
    window.hide();
}

} // namespace

void ForEachWindow(const std::function<void(const QString& name, QWidget& window)>& visit) {
    mainwindow::MainWindow main;
    Visit(visit, "Form1", main);
    for (const char* style : {"frmAdvMnuOp", "FrmAdvBttnOp"}) {
        Visit(visit, style, *main.findChild<QDialog*>(style));
    }
    dialogs::GeneratedCodeDialog code(&main, {"var menu = 1;\r\n", "<div></div>\r\n"}, [] {});
    Visit(visit, "Form3", code);
    int showTips = 1;
    dialogs::TipOfTheDayDialog tips(
        &main, showTips, platform::ProgramDataFile(QString::fromUtf8(auxwindows::kTipsFileName)));
    Visit(visit, "frmTip", tips);
    dialogs::TellFriendsDialog tellFriends(&main);
    Visit(visit, "frmTAF", tellFriends);
    dialogs::AboutDialog about(&main);
    Visit(visit, "FrmAbt", about);
    const std::pair<dialogs::Notice, const char*> notices[] = {
        {dialogs::Notice::Browser, "iemsgfrm"},
        {dialogs::Notice::ButtonBorder, "Form4"},
        {dialogs::Notice::RestoreDefaults, "Form5"}};
    for (const auto& [notice, name] : notices) {
        dialogs::NoticeDialog window(notice, &main);
        Visit(visit, name, window);
    }
    dialogs::ImportDialog import(main.Document(), std::nullopt, &main);
    Visit(visit, "frmImport", import);
    dialogs::LoadingWindow loading(&main);
    Visit(visit, "Form2", loading);
}
