#include "mainwindow/OptionsPanel.h"

#include "document/ChangeOptionsCommand.h"
#include "document/MenuDocument.h"
#include "widgets/Named.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mainwindow {
namespace {

using model::OptionField;
using widgets::Named;

constexpr int kButtonTab = 1;

QLabel* Label(const char* name, const QString& caption, QWidget* buddy) {
    return widgets::Buddy(Named<QLabel>(name, caption), buddy);
}

void SetText(QLineEdit* box, const std::string& text) {
    // Setting the same text again would move the cursor of a box being typed into.
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown) {
        box->setText(shown);
    }
}

void Enable(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) {
        control->setEnabled(enabled);
    }
}

} // namespace

OptionsPanel::OptionsPanel(document::MenuDocument& menuDocument, QWidget* parent)
    : QTabWidget(parent), document(menuDocument) {
    setObjectName("SSTab1");
    addTab(CreateMenuTab(), tr("Global Menu Properties"));
    addTab(CreateButtonTab(), tr("Submit Button Properties"));
    textBoxes = {{OptionField::MenuName, txtmnm},         {OptionField::FrameName, txtfrm},
                 {OptionField::ButtonText, buttontxttxt}, {OptionField::ImageUrl, buttngrurl},
                 {OptionField::ImageWidth, txtw},         {OptionField::ImageHeight, txth},
                 {OptionField::AltText, txtalt}};
    ShowOptions();
    ConnectEdits();
    connect(&document, &document::MenuDocument::optionsChanged, this, &OptionsPanel::ShowOptions);
}

QWidget* OptionsPanel::CreateMenuTab() {
    auto* page = Named<QWidget>("SSTab1Tab0");
    auto* grid = new QGridLayout(page);

    txtmnm = Named<QLineEdit>("txtmnm");
    grid->addWidget(Label("lblmnm", tr("Menu Name:"), txtmnm), 0, 0);
    grid->addWidget(txtmnm, 0, 1, 1, 3);
    grid->addWidget(Named<QLabel>("lblmnmnote", tr("(Must be unique for each menu on page.)")), 1,
                    1, 1, 3);

    menubehavopt[0] = Named<QRadioButton>("menubehavopt0", tr("Navigate on Button Click"));
    menubehavopt[1] = Named<QRadioButton>("menubehavopt1", tr("Navigate on Item Change"));
    grid->addWidget(menubehavopt[0], 2, 0, 1, 2);
    grid->addWidget(menubehavopt[1], 2, 2, 1, 2);

    targetcombo = Named<QComboBox>("targetcombo");
    targetcombo->addItems({tr("Same window"), tr("New window"), tr("Different frame")});
    txtfrm = Named<QLineEdit>("txtfrm");
    lblfrm = Label("lblfrm", tr("Frame Name:"), txtfrm);
    grid->addWidget(Label("targetlbl", tr("Target of Links:"), targetcombo), 3, 0);
    grid->addWidget(targetcombo, 3, 1);
    grid->addWidget(lblfrm, 3, 2);
    grid->addWidget(txtfrm, 3, 3);

    cmbbttnaln = Named<QComboBox>("cmbbttnaln");
    cmbbttnaln->addItems({tr("Top"), tr("Middle"), tr("Bottom")});
    lblbttnaln = Label("lblbttnaln", tr("Align to Button:"), cmbbttnaln);
    cmdAdvMnu = Named<QPushButton>("cmdAdvMnu", tr("Advanced"));
    grid->addWidget(lblbttnaln, 4, 0);
    grid->addWidget(cmbbttnaln, 4, 1);
    grid->addWidget(cmdAdvMnu, 4, 3, Qt::AlignRight);

    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* OptionsPanel::CreateButtonTab() {
    auto* page = Named<QWidget>("SSTab1Tab1");
    auto* grid = new QGridLayout(page);

    buttonpropopt[0] = Named<QRadioButton>("buttonpropopt0", tr("Default"));
    buttonpropopt[1] = Named<QRadioButton>("buttonpropopt1", tr("Graphic"));
    grid->addWidget(buttonpropopt[0], 0, 0);
    grid->addWidget(buttonpropopt[1], 0, 1);

    buttontxttxt = Named<QLineEdit>("buttontxttxt");
    buttontxtlbl = Label("buttontxtlbl", tr("Text:"), buttontxttxt);
    cmdBttnAdv = Named<QPushButton>("cmdBttnAdv", tr("Advanced"));
    grid->addWidget(buttontxtlbl, 1, 0);
    grid->addWidget(buttontxttxt, 1, 1, 1, 2);
    grid->addWidget(cmdBttnAdv, 1, 3, Qt::AlignRight);

    buttngrurl = Named<QLineEdit>("buttngrurl");
    buttngrurllbl = Label("buttngrurllbl", tr("URL of Button Graphic:"), buttngrurl);
    grid->addWidget(buttngrurllbl, 2, 0, 1, 2);
    grid->addWidget(buttngrurl, 2, 2, 1, 2);

    txtw = Named<QLineEdit>("txtw");
    lblw = Label("lblw", tr("Width:"), txtw);
    txth = Named<QLineEdit>("txth");
    lblh = Label("lblh", tr("Height:"), txth);
    grid->addWidget(lblw, 3, 0);
    grid->addWidget(txtw, 3, 1);
    grid->addWidget(lblh, 3, 2, Qt::AlignRight);
    grid->addWidget(txth, 3, 3);

    txtalt = Named<QLineEdit>("txtalt");
    lblalt = Label("lblalt", tr("Alt Text:"), txtalt);
    grid->addWidget(lblalt, 4, 0);
    grid->addWidget(txtalt, 4, 1, 1, 3);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return page;
}

// The values, not the clicks: an option set by the keyboard or an assistive tool is an edit too.
void OptionsPanel::ConnectEdits() {
    for (const auto& [field, box] : textBoxes) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, field = field](const QString& text) {
            Edit(field, [field, &text](model::MenuOptions& menu, model::ButtonOptions& button) {
                *model::TextOption(menu, button, field) = text.toStdString();
            });
        });
    }
    for (std::size_t index = 0; index < 2; ++index) {
        connect(menubehavopt[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) {
                Edit(OptionField::Navigation, [index](model::MenuOptions& menu, auto&) {
                    menu.navigation = static_cast<model::Navigation>(index);
                });
            }
        });
        connect(buttonpropopt[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) {
                Edit(OptionField::ButtonKind, [index](auto&, model::ButtonOptions& button) {
                    button.buttonKind = static_cast<model::ButtonKind>(index);
                });
            }
        });
    }
    connect(targetcombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        Edit(OptionField::LinkTarget, [index](model::MenuOptions& menu, auto&) {
            model::ChooseLinkTarget(menu, static_cast<model::LinkTarget>(index));
        });
    });
    connect(cmbbttnaln, &QComboBox::currentIndexChanged, this, [this](int index) {
        Edit(OptionField::ButtonAlign, [index](model::MenuOptions& menu, auto&) {
            menu.buttonAlign = static_cast<model::ButtonAlign>(index);
        });
    });
}

void OptionsPanel::Edit(
    model::OptionField field,
    const std::function<void(model::MenuOptions&, model::ButtonOptions&)>& change) {
    if (showing) {
        return;
    }
    model::MenuOptions menu = document.Project().menu;
    model::ButtonOptions button = document.Project().button;
    change(menu, button);
    if (menu != document.Project().menu || button != document.Project().button) {
        document.Push(new document::ChangeOptionsCommand(document, field, visit, menu, button));
    }
}

// Leaving a text box ends its visit: typing there again is another step.
bool OptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        ++visit;
    }
    return QTabWidget::eventFilter(watched, event);
}

void OptionsPanel::ShowOptions() {
    showing = true;
    const model::MenuOptions& menu = document.Project().menu;
    const model::ButtonOptions& button = document.Project().button;
    for (const auto& [field, box] : textBoxes) {
        SetText(box, *model::TextOption(menu, button, field));
    }
    menubehavopt[static_cast<std::size_t>(menu.navigation)]->setChecked(true);
    buttonpropopt[static_cast<std::size_t>(button.buttonKind)]->setChecked(true);
    targetcombo->setCurrentIndex(static_cast<int>(menu.linkTarget));
    cmbbttnaln->setCurrentIndex(static_cast<int>(menu.buttonAlign));

    const model::OptionsAvailability available = model::AvailableOptions(menu, button);
    Enable({lblbttnaln, cmbbttnaln, buttonpropopt[0], buttonpropopt[1]}, available.buttonOptions);
    Enable({buttontxttxt, buttontxtlbl, cmdBttnAdv}, available.standardButton);
    Enable({buttngrurl, buttngrurllbl, txtw, lblw, txth, lblh, txtalt, lblalt},
           available.graphicButton);
    Enable({txtfrm, lblfrm}, available.frameName);
    setTabEnabled(kButtonTab, available.buttonOptions);
    showing = false;
}

void OptionsPanel::FocusField(model::OptionField field, bool selectAll) {
    for (const auto& [boxField, box] : textBoxes) {
        if (boxField != field) {
            continue;
        }
        // A box on the hidden page is brought to the front first.
        for (int page = 0; page < count(); ++page) {
            if (widget(page)->isAncestorOf(box)) {
                setCurrentIndex(page);
            }
        }
        box->setFocus(Qt::OtherFocusReason);
        if (selectAll) {
            box->selectAll();
        }
    }
}

} // namespace mainwindow
