#include "preview/PreviewPane.h"

#include "generate/CodeOutput.h"
#include "generate/GenerateChecks.h"
#include "platform/MessageBoxes.h"
#include "preview/PreviewView.h"
#include "preview/WebEngineStart.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace preview {
namespace {

// Long enough for a run of typing, short enough to feel live.
constexpr int kPauseMs = 200;

} // namespace

PreviewPane::PreviewPane(ProjectSource source, QWidget* parent)
    : QWidget(parent), project(std::move(source)) {
    setObjectName("PreviewPane");
    pause = new QTimer(this);
    pause->setSingleShot(true);
    pause->setInterval(kPauseMs);
    connect(pause, &QTimer::timeout, this, &PreviewPane::Refresh);

    pages = new QStackedWidget(this);
    note = new QLabel(pages);
    note->setObjectName("lblPreviewNote");
    note->setAccessibleName(tr("Preview note"));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    pages->addWidget(note);
    tried = new QLabel(tr("Choose an entry of the menu to see where it would go."), this);
    tried->setObjectName("lblPreviewTried");
    tried->setAccessibleName(tr("Where the entry would go"));
    tried->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tried->setWordWrap(true);
    tried->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages, 1);
    layout->addWidget(tried);
}

QSize PreviewPane::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 44, fontMetrics().lineSpacing() * 16};
}

void PreviewPane::ProjectChanged() {
    stale = true;
    if (isVisible()) {
        pause->start();
    }
}

void PreviewPane::Refresh() {
    pause->stop();
    if (!isVisible()) {
        stale = true;
        return;
    }
    stale = false;
    const model::MenuProject& menu = project();
    if (menu.items.empty()) {
        ShowNote(tr("Add entries to the list to see the menu here."));
        return;
    }
    if (const auto failure = generate::CheckBeforeGenerate(menu.menu, menu.button)) {
        ShowNote(platform::ShownText(failure->message));
        return;
    }
    if (view == nullptr && engineOff.isEmpty()) {
        StartEngine();
    }
    if (view == nullptr) {
        ShowNote(engineOff);
        return;
    }
    pages->setCurrentWidget(view);
    tried->show();
    view->ShowPages(generate::PreviewFiles(
                        generate::GenerateMenuCode(menu, generate::CodeTarget::Preview), menu.menu),
                    QString::fromStdString(menu.menu.frameName),
                    QString::fromStdString(menu.button.imageUrl));
}

void PreviewPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // After the window has been drawn: starting the engine takes a moment.
    if (stale) {
        QMetaObject::invokeMethod(this, &PreviewPane::Refresh, Qt::QueuedConnection);
    }
}

void PreviewPane::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (pause->isActive()) {
        pause->stop();
        stale = true;
    }
}

void PreviewPane::StartEngine() {
    engineOff = WhyWebEngineCannotStart();
    if (!engineOff.isEmpty()) {
        return;
    }
    view = new PreviewView(pages);
    pages->addWidget(view);
    connect(view, &PreviewView::pageDrawn, this, &PreviewPane::pageDrawn);
    connect(view, &PreviewView::caught, tried, &QLabel::setText);
    connect(view, &PreviewView::failed, this, &PreviewPane::ShowNote);
}

void PreviewPane::ShowNote(const QString& text) {
    note->setText(text);
    pages->setCurrentWidget(note);
    tried->hide();
}

} // namespace preview
