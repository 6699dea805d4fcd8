#include "mainwindow/OptionsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mainwindow {
namespace {

constexpr int kButtonTab = 1;

template <typename Widget, typename... Args>
Widget* Named(QWidget* parent, const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption, QWidget* buddy) {
    auto* label = Named<QLabel>(parent, name, caption);
    label->setBuddy(buddy);
    return label;
}

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

OptionsPanel::OptionsPanel(model::ProjectFlags& projectFlags, QWidget* parent)
    : QTabWidget(parent), flags(projectFlags) {
    setObjectName("SSTab1");
    addTab(CreateMenuTab(), tr("Global Menu Properties"));
    addTab(CreateButtonTab(), tr("Submit Button Properties"));
    ConnectReactions();
}

QWidget* OptionsPanel::CreateMenuTab() {
    auto* page = new QWidget;
    page->setObjectName("SSTab1Tab0");
    auto* grid = new QGridLayout(page);

    txtmnm = Named<QLineEdit>(page, "txtmnm", QStringLiteral("MyMenu"));
    grid->addWidget(Label(page, "lblmnm", tr("Menu Name:"), txtmnm), 0, 0);
    grid->addWidget(txtmnm, 0, 1, 1, 3);
    grid->addWidget(
        Named<QLabel>(page, "lblmnmnote", tr("(Must be unique for each menu on page.)")), 1, 1, 1,
        3);

    menubehavopt[0] = Named<QRadioButton>(page, "menubehavopt0", tr("Navigate on Button Click"));
    menubehavopt[1] = Named<QRadioButton>(page, "menubehavopt1", tr("Navigate on Item Change"));
    grid->addWidget(menubehavopt[0], 2, 0, 1, 2);
    grid->addWidget(menubehavopt[1], 2, 2, 1, 2);

    targetcombo = Named<QComboBox>(page, "targetcombo");
    targetcombo->addItems({tr("Same window"), tr("New window"), tr("Different frame")});
    targetlbl = Label(page, "targetlbl", tr("Target of Links:"), targetcombo);
    txtfrm = Named<QLineEdit>(page, "txtfrm");
    lblfrm = Label(page, "lblfrm", tr("Frame Name:"), txtfrm);
    grid->addWidget(targetlbl, 3, 0);
    grid->addWidget(targetcombo, 3, 1);
    grid->addWidget(lblfrm, 3, 2);
    grid->addWidget(txtfrm, 3, 3);

    cmbbttnaln = Named<QComboBox>(page, "cmbbttnaln");
    cmbbttnaln->addItems({tr("Top"), tr("Middle"), tr("Bottom")});
    lblbttnaln = Label(page, "lblbttnaln", tr("Align to Button:"), cmbbttnaln);
    cmdAdvMnu = Named<QPushButton>(page, "cmdAdvMnu", tr("Advanced"));
    grid->addWidget(lblbttnaln, 4, 0);
    grid->addWidget(cmbbttnaln, 4, 1);
    grid->addWidget(cmdAdvMnu, 4, 3, Qt::AlignRight);

    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* OptionsPanel::CreateButtonTab() {
    auto* page = new QWidget;
    page->setObjectName("SSTab1Tab1");
    auto* grid = new QGridLayout(page);

    buttonpropopt[0] = Named<QRadioButton>(page, "buttonpropopt0", tr("Default"));
    buttonpropopt[1] = Named<QRadioButton>(page, "buttonpropopt1", tr("Graphic"));
    grid->addWidget(buttonpropopt[0], 0, 0);
    grid->addWidget(buttonpropopt[1], 0, 1);

    buttontxttxt = Named<QLineEdit>(page, "buttontxttxt", QStringLiteral("Go"));
    buttontxtlbl = Label(page, "buttontxtlbl", tr("Text:"), buttontxttxt);
    cmdBttnAdv = Named<QPushButton>(page, "cmdBttnAdv", tr("Advanced"));
    grid->addWidget(buttontxtlbl, 1, 0);
    grid->addWidget(buttontxttxt, 1, 1, 1, 2);
    grid->addWidget(cmdBttnAdv, 1, 3, Qt::AlignRight);

    buttngrurl = Named<QLineEdit>(page, "buttngrurl");
    buttngrurllbl = Label(page, "buttngrurllbl", tr("URL of Button Graphic:"), buttngrurl);
    grid->addWidget(buttngrurllbl, 2, 0, 1, 2);
    grid->addWidget(buttngrurl, 2, 2, 1, 2);

    txtw = Named<QLineEdit>(page, "txtw");
    lblw = Label(page, "lblw", tr("Width:"), txtw);
    txth = Named<QLineEdit>(page, "txth");
    lblh = Label(page, "lblh", tr("Height:"), txth);
    grid->addWidget(lblw, 3, 0);
    grid->addWidget(txtw, 3, 1);
    grid->addWidget(lblh, 3, 2, Qt::AlignRight);
    grid->addWidget(txth, 3, 3);

    txtalt = Named<QLineEdit>(page, "txtalt");
    lblalt = Label(page, "lblalt", tr("Alt Text:"), txtalt);
    grid->addWidget(lblalt, 4, 0);
    grid->addWidget(txtalt, 4, 1, 1, 3);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return page;
}

void OptionsPanel::ConnectReactions() {
    connect(menubehavopt[0], &QRadioButton::clicked, this, [this] { NavigationClicked(0); });
    connect(menubehavopt[1], &QRadioButton::clicked, this, [this] { NavigationClicked(1); });
    for (QRadioButton* option : buttonpropopt) {
        connect(option, &QRadioButton::clicked, this, &OptionsPanel::ButtonKindClicked);
    }
    connect(targetcombo, &QComboBox::activated, this, &OptionsPanel::LinkTargetClicked);

    // The menu name marks every project changed; the other boxes only a saved or loaded one.
    connect(txtmnm, &QLineEdit::textChanged, this, [this] { flags.projectChanged = true; });
    for (QLineEdit* box : {txtfrm, buttngrurl, txtw, txth, txtalt}) {
        connect(box, &QLineEdit::textChanged, this, &OptionsPanel::MarkChangedWhenSaved);
    }
}

void OptionsPanel::MarkChangedWhenSaved() {
    if (flags.projectHasFile) {
        flags.projectChanged = true;
    }
}

void OptionsPanel::NavigationClicked(int index) {
    MarkChangedWhenSaved();
    const bool onButtonClick = menubehavopt[0]->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             lblbttnaln, cmbbttnaln, buttonpropopt[0], buttonpropopt[1], buttontxttxt, buttontxtlbl,
             buttngrurl, buttngrurllbl, txtw, lblw, txth, lblh, txtalt, lblalt, cmdBttnAdv}) {
        control->setEnabled(onButtonClick);
    }
    setTabEnabled(kButtonTab, onButtonClick);
    if (index == 0) {
        ButtonKindClicked();
    }
}

void OptionsPanel::ButtonKindClicked() {
    MarkChangedWhenSaved();
    const bool graphic = buttonpropopt[1]->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{buttngrurl, buttngrurllbl, txtw, lblw,
                                                            txth, lblh, txtalt, lblalt}) {
        control->setEnabled(graphic);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{buttontxttxt, buttontxtlbl, cmdBttnAdv}) {
        control->setEnabled(!graphic);
    }
}

void OptionsPanel::LinkTargetClicked() {
    const bool differentFrame =
        targetcombo->currentIndex() == static_cast<int>(model::LinkTarget::DifferentFrame);
    if (!differentFrame) {
        txtfrm->clear();
    }
    txtfrm->setEnabled(differentFrame);
    lblfrm->setEnabled(differentFrame);
    MarkChangedWhenSaved();
}

void OptionsPanel::ChooseNavigation(model::Navigation navigation) {
    const int index = static_cast<int>(navigation);
    menubehavopt[static_cast<std::size_t>(index)]->setChecked(true);
    NavigationClicked(index);
}

void OptionsPanel::ChooseButtonKind(model::ButtonKind kind) {
    buttonpropopt[static_cast<std::size_t>(kind)]->setChecked(true);
    ButtonKindClicked();
}

void OptionsPanel::ChooseLinkTarget(model::LinkTarget target) {
    targetcombo->setCurrentIndex(static_cast<int>(target));
    LinkTargetClicked();
}

void OptionsPanel::ChooseButtonAlign(model::ButtonAlign align) {
    cmbbttnaln->setCurrentIndex(static_cast<int>(align));
}

void OptionsPanel::ApplyOptions(const model::MenuOptions& menu,
                                const model::ButtonOptions& button) {
    ChooseButtonAlign(menu.buttonAlign);
    txtfrm->setText(QString::fromStdString(menu.frameName));
    ChooseButtonKind(button.buttonKind);
    buttontxttxt->setText(QString::fromStdString(button.buttonText));
    ChooseLinkTarget(menu.linkTarget);
    txtmnm->setText(QString::fromStdString(menu.menuName));
    buttngrurl->setText(QString::fromStdString(button.imageUrl));
    txtalt->setText(QString::fromStdString(button.altText));
    txth->setText(QString::fromStdString(button.imageHeight));
    txtw->setText(QString::fromStdString(button.imageWidth));
    ChooseNavigation(menu.navigation);
}

model::MenuOptions OptionsPanel::ReadMenuOptions() const {
    model::MenuOptions menu;
    menu.menuName = Text(txtmnm);
    menu.navigation = menubehavopt[1]->isChecked() ? model::Navigation::OnItemChange
                                                   : model::Navigation::OnButtonClick;
    menu.linkTarget = static_cast<model::LinkTarget>(targetcombo->currentIndex());
    menu.frameName = Text(txtfrm);
    menu.buttonAlign = static_cast<model::ButtonAlign>(cmbbttnaln->currentIndex());
    return menu;
}

model::ButtonOptions OptionsPanel::ReadButtonOptions() const {
    model::ButtonOptions button;
    button.buttonKind =
        buttonpropopt[1]->isChecked() ? model::ButtonKind::Graphic : model::ButtonKind::Standard;
    button.buttonText = Text(buttontxttxt);
    button.imageUrl = Text(buttngrurl);
    button.imageWidth = Text(txtw);
    button.imageHeight = Text(txth);
    button.altText = Text(txtalt);
    return button;
}

} // namespace mainwindow
