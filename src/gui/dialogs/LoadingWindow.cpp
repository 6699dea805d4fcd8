#include "dialogs/LoadingWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace dialogs {

LoadingWindow::LoadingWindow(QWidget* owner) : QDialog(owner, Qt::SplashScreen) {
    setObjectName("Form2");
    auto* grid = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(QPixmap(":/icons/quorvane.png"));
    auto* text = new QLabel(tr("Loading. Please wait..."), this);
    text->setObjectName("Label1");
    pb = new QProgressBar(this);
    pb->setObjectName("pb");
    pb->setTextVisible(false);
    grid->addWidget(picture, 0, 0, 2, 1);
    grid->addWidget(text, 0, 1);
    grid->addWidget(pb, 1, 1);
}

} // namespace dialogs
