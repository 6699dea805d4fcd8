#include "preview/PreviewView.h"

#include "output/CodeFiles.h"
#include "platform/Documents.h"
#include "preview/PreviewPage.h"

#include <QDir>
#include <QEvent>
#include <QJsonDocument>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <algorithm>

namespace preview {
namespace {

// Smaller than this a menu is no longer readable.
constexpr double kSmallestZoom = 0.5;

// A page shown from memory travels as a data: address, which Chromium cuts off at 2 MB.
constexpr qsizetype kAddressLimit = 2 * 1024 * 1024;
constexpr QLatin1String kHtmlType("text/html;charset=UTF-8");

bool FitsInAddress(const QByteArray& page) {
    return QByteArray("data:").size() + kHtmlType.size() + 1 + page.toPercentEncoding().size() <=
           kAddressLimit;
}

} // namespace

PreviewView::PreviewView(QWidget* parent) : QWebEngineView(parent) {
    if (const QString temp = platform::TempFolder(); !temp.isEmpty()) {
        folder = std::make_unique<QTemporaryDir>(temp + "live-XXXXXX");
    }
    setObjectName("webPreview");
    setAccessibleName(tr("Menu preview"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    // Off the record: no cache, cookies or history on disk.
    auto* profile = new QWebEngineProfile(this);
    // The generated pages name no character set; their text is UTF-8.
    profile->settings()->setDefaultTextEncoding("UTF-8");
    previewPage = new PreviewPage(profile, this);
    setPage(previewPage);
    connect(previewPage, &PreviewPage::caught, this, &PreviewView::caught);
    connect(previewPage, &PreviewPage::rendered, this, &PreviewView::Rendered);
    connect(previewPage, &QWebEnginePage::loadFinished, this, &PreviewView::Loaded);
    connect(previewPage, &QWebEnginePage::renderProcessTerminated, this, [this] {
        loaded = false;
        emit failed(tr("The preview's page stopped; it starts again with the next change."));
    });
}

PreviewView::~PreviewView() {
    // Answers still due from the page find nothing to do; the page goes before its profile.
    asked = -1;
    delete previewPage;
}

void PreviewView::ShowPages(std::vector<generate::PreviewFile> pages, const QString& frame,
                            const QString& image) {
    files = std::move(pages);
    frameName = frame;
    imageUrl = image;
    const int serial = ++asked;
    if (!loaded) {
        Load();
        return;
    }
    page()->runJavaScript("quorvanePreview.capture()", QWebEngineScript::ApplicationWorld,
                          [this, serial](const QVariant& changes) {
                              if (serial == asked) {
                                  kept = changes;
                                  Load();
                              }
                          });
}

void PreviewView::Load() {
    shown = asked;
    const QString path = folder && folder->isValid() ? folder->path() + '/' : QString();
    const QUrl base = QUrl::fromLocalFile(path);
    QStringList names;
    for (const generate::PreviewFile& file : files) {
        names.append(file.name);
    }
    previewPage->Expect(path, names, base.resolved(QUrl(imageUrl)), frameName);
    const QByteArray only =
        files.size() == 1 ? QByteArray::fromStdString(files.front().text) : QByteArray();
    if (!only.isEmpty() && FitsInAddress(only)) {
        previewPage->setContent(only, kHtmlType, base);
        return;
    }
    if (path.isEmpty()) {
        emit failed(tr("No private folder for the preview could be made in %1")
                        .arg(QDir::toNativeSeparators(QDir::tempPath())));
        return;
    }
    for (const generate::PreviewFile& file : files) {
        if (const QString error = output::WriteFileError(path + file.name, file.text);
            !error.isEmpty()) {
            emit failed(error);
            return;
        }
    }
    load(QUrl::fromLocalFile(path + names.back()));
}

void PreviewView::Loaded(bool ok) {
    // A load cut short by a newer one.
    if (!ok) {
        return;
    }
    loaded = true;
    if (focusProxy() != nullptr) {
        focusProxy()->removeEventFilter(this);
        focusProxy()->installEventFilter(this);
    }
    const QByteArray changes =
        kept.isValid() ? QJsonDocument::fromVariant(kept).toJson(QJsonDocument::Compact) : "null";
    page()->runJavaScript(
        QString("quorvanePreview.settle(%1, %2)").arg(QString::fromUtf8(changes)).arg(shown),
        QWebEngineScript::ApplicationWorld);
    FitToWidth();
}

// The page is made for a whole browser window; a narrow pane shows all of it, smaller.
void PreviewView::FitToWidth() {
    page()->runJavaScript("[document.documentElement.scrollWidth, window.innerWidth]",
                          QWebEngineScript::ApplicationWorld, [this](const QVariant& widths) {
                              const QVariantList pair = widths.toList();
                              const double content = pair.value(0).toDouble();
                              const double room = pair.value(1).toDouble();
                              if (content > room && room > 0) {
                                  setZoomFactor(
                                      std::max(kSmallestZoom, zoomFactor() * room / content));
                              }
                          });
}

void PreviewView::Rendered(int serial) {
    if (serial != asked || focusProxy() == nullptr) {
        return;
    }
    // The next paint of the view shows the frame the renderer has drawn.
    awaitingPaint = true;
    focusProxy()->update();
}

bool PreviewView::eventFilter(QObject* watched, QEvent* event) {
    if (awaitingPaint && event->type() == QEvent::Paint && watched == focusProxy()) {
        awaitingPaint = false;
        QMetaObject::invokeMethod(this, &PreviewView::pageDrawn, Qt::QueuedConnection);
    }
    return QWebEngineView::eventFilter(watched, event);
}

} // namespace preview
