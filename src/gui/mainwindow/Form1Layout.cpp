#include "mainwindow/Form1.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/ItemListPanel.h"
#include "mainwindow/OptionsPanel.h"

#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <algorithm>

namespace mainwindow {
namespace {

// The options panel and the web-link buttons fill the left column below the item editor.
constexpr layout::TwipRect kOptionsPanel{60, 3120, 5055, 2115};
constexpr layout::TwipRect kCommand1{60, 5295, 5055, 375};
constexpr layout::TwipRect kCommand2{60, 5715, 5055, 375};

layout::TwipSize SizeOf(const layout::TwipRect& rect) {
    return {rect.width, rect.height};
}

} // namespace

void Form1::PlaceControls() {
    client->ensurePolished();
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const std::pair<QSize, layout::TwipSize> fits[] = {
        {toolbar1->sizeHint(), {layout::kDesignClient.width, layout::kToolbarHeight}},
        {frame1->minimumSizeHint(), SizeOf(layout::kDesignFrame1)},
        {sstab1->minimumSizeHint(), SizeOf(kOptionsPanel)},
        {command1->sizeHint(), SizeOf(kCommand1)},
        {command2->sizeHint(), SizeOf(kCommand2)},
        {frame2->ItemToolbar()->sizeHint(), SizeOf(layout::kDesignItemToolbar)},
        {{0, statusBar1->sizeHint().height()},
         {layout::kDesignClient.width, layout::kStatusBarHeight}},
    };
    double factor = 1.0;
    for (const auto& [needed, designed] : fits) {
        factor = std::max(factor, FitFactor(needed, designed, dpiX, dpiY));
    }
    scale = TwipScale(factor, dpiX, dpiY);
    // The title of a frame takes more room in this style than the design left for it; the list
    // and its toolbar move down by the difference rather than enlarging everything for it.
    listShift = std::max(0, frame2->contentsMargins().top() - scale.Y(layout::kDesignList.top));

    frame1->setGeometry(scale.Rect(layout::kDesignFrame1));
    sstab1->setGeometry(scale.Rect(kOptionsPanel));
    command1->setGeometry(scale.Rect(kCommand1));
    command2->setGeometry(scale.Rect(kCommand2));
    const QSize clientSize = scale.Size(layout::kDesignClient);
    LayoutMainWindow(clientSize);
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
}

void Form1::LayoutMainWindow(const QSize& clientSize) {
    const auto area = layout::LayoutMainWindow(layout::OuterSize(scale.Twips(clientSize)));
    frame2->setGeometry(scale.Rect(area.frame2));
    frame2->List()->setGeometry(scale.Rect(area.list).translated(0, listShift));
    frame2->ItemToolbar()->setGeometry(scale.Rect(area.toolbar).translated(0, listShift));
    // The main toolbar and the status bar keep to the top and bottom edges.
    toolbar1->setGeometry(0, 0, clientSize.width(), scale.Y(layout::kToolbarHeight));
    const int statusHeight = scale.Y(layout::kStatusBarHeight);
    statusBar1->setGeometry(0, clientSize.height() - statusHeight, clientSize.width(),
                            statusHeight);
}

subclass::MsgResponse Form1::GetMsgResponse() {
    return storedMsgResponse;
}

void Form1::SetMsgResponse(subclass::MsgResponse response) {
    storedMsgResponse = response;
}

void Form1::changeEvent(QEvent* event) {
    // A size that changed while the window was minimized is laid out when it comes back.
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        LayoutMainWindow(client->size());
    }
    QMainWindow::changeEvent(event);
}

bool Form1::WindowProc(QObject*, QEvent* event) {
    if (isMinimized()) {
        return false;
    }
    LayoutMainWindow(static_cast<QResizeEvent*>(event)->size());
    return true;
}

} // namespace mainwindow
