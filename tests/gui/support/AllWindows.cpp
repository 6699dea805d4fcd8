#include "support/AllWindows.h"

#include "auxwindows/FrmAbt.h"
#include "auxwindows/TipsFile.h"
#include "auxwindows/frmTAF.h"
#include "auxwindows/frmTip.h"
#include "generate/Form3.h"
#include "mainwindow/Form1.h"
#include "mainwindow/LoadingWindow.h"
#include "platform/DataFiles.h"
#include "style/FrmAdvBttnOp.h"
#include "style/Notices.h"
#include "style/frmAdvMnuOp.h"

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
    mainwindow::Form1 form;
    Visit(visit, "Form1", form);
    Visit(visit, "frmAdvMnuOp", *form.findChild<style::frmAdvMnuOp*>());
    Visit(visit, "FrmAdvBttnOp", *form.findChild<style::FrmAdvBttnOp*>());

    Form3 code(&form, generate::MenuCode{"var menu = 1;\r\n", "<div></div>\r\n"}, [] {});
    Visit(visit, "Form3", code);

    int showTips = 1;
    auxwindows::frmTip tips(
        &form, showTips, platform::ProgramDataFile(QString::fromUtf8(auxwindows::kTipsFileName)));
    Visit(visit, "frmTip", tips);

    auxwindows::frmTAF tellFriends(&form);
    Visit(visit, "frmTAF", tellFriends);
    auxwindows::FrmAbt about(&form);
    Visit(visit, "FrmAbt", about);

    style::NoticeWindow browser(style::Notice::Browser, &form);
    Visit(visit, "iemsgfrm", browser);
    style::NoticeWindow border(style::Notice::ButtonBorder, &form);
    Visit(visit, "Form4", border);
    style::NoticeWindow restore(style::Notice::RestoreDefaults, &form);
    Visit(visit, "Form5", restore);

    mainwindow::LoadingWindow loading(&form);
    Visit(visit, "Form2", loading);
}
