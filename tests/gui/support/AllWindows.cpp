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
#include <QTabWidget>

void ForEachWindow(const std::function<void(const QString& name, QWidget& window)>& visit) {
    using dialogs::Notice;
    mainwindow::MainWindow main;
    dialogs::GeneratedCodeDialog code(&main, {"var menu = 1;\r\n", "<div></div>\r\n"}, [] {});
    int showTips = 1;
    dialogs::TipOfTheDayDialog tips(
        &main, showTips, platform::ProgramDataFile(QString::fromUtf8(auxwindows::kTipsFileName)));
    dialogs::TellFriendsDialog tellFriends(&main);
    dialogs::AboutDialog about(&main);
    dialogs::NoticeDialog browser(Notice::Browser, &main), border(Notice::ButtonBorder, &main),
        restore(Notice::RestoreDefaults, &main);
    dialogs::ImportDialog import(main.Document(), std::nullopt, &main);
    dialogs::LoadingWindow loading(&main);
    for (QWidget* window :
         QList<QWidget*>{&main, main.findChild<QWidget*>("frmAdvMnuOp"),
                         main.findChild<QWidget*>("FrmAdvBttnOp"), &code, &tips, &tellFriends,
                         &about, &browser, &border, &restore, &import, &loading}) {
        window->show();
        QApplication::processEvents();
        visit(window->objectName(), *window);
        window->hide();
    }
}

void ForEachPage(QWidget& window, const std::function<void()>& visit) {
    const auto tabs = window.findChildren<QTabWidget*>();
    for (int page = 0, pages = 1; page < pages; ++page) {
        for (QTabWidget* pageTabs : tabs) {
            pageTabs->setCurrentIndex(std::min(page, pageTabs->count() - 1));
            pages = std::max(pages, pageTabs->count());
        }
        QApplication::processEvents();
        visit();
    }
}

QChar AccessKey(const QString& caption) {
    const QString text = QString(caption).replace("&&", "");
    const auto at = text.indexOf('&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toUpper() : QChar();
}
