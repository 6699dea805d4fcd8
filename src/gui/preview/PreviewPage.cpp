#include "preview/PreviewPage.h"

#include "preview/RequestFilter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

// Linked into a static library, so its registration has to be pulled in.
static QString WatchScript() {
    Q_INIT_RESOURCE(preview);
    QFile source(":/preview/PreviewWatch.js");
    return source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
}

namespace preview {
namespace {

// What the watch script says begins with this.
constexpr QLatin1String kWatchMark("quorvane-preview ");

} // namespace

PreviewPage::PreviewPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), filter(new RequestFilter(this)) {
    setUrlRequestInterceptor(filter);
    // Beside the page, in a world of its own, in every frame.
    QWebEngineScript watch;
    watch.setName("watch");
    watch.setSourceCode(WatchScript());
    watch.setInjectionPoint(QWebEngineScript::DocumentReady);
    watch.setWorldId(QWebEngineScript::ApplicationWorld);
    watch.setRunsOnSubFrames(true);
    scripts().insert(watch);

    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](const QWebEngineNewWindowRequest& request) {
                emit caught(tr("Would open %1 in a new window").arg(Shown(request.requestedUrl())));
            });
}

void PreviewPage::Expect(const QString& pagesFolder, const QStringList& pageNames,
                         const QUrl& image, const QString& frame) {
    folder = pagesFolder;
    frameName = frame;
    pages.clear();
    for (const QString& name : pageNames) {
        pages.insert(QUrl::fromLocalFile(folder + name));
    }
    QSet<QUrl> allowed = pages;
    if (image.isLocalFile()) {
        allowed.insert(image);
    }
    filter->Allow(std::move(allowed));
}

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // The pane's own loads, and the frames of its frameset.
    if ((isMainFrame && type == NavigationTypeTyped) ||
        (!isMainFrame && type == NavigationTypeOther && pages.contains(url))) {
        return true;
    }
    emit caught(isMainFrame ? tr("Would open %1 in the same window").arg(Shown(url))
                            : tr("Would open %1 in the frame «%2»").arg(Shown(url), frameName));
    return false;
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                           int, const QString&) {
    if (!message.startsWith(kWatchMark)) {
        return;
    }
    const QJsonObject said =
        QJsonDocument::fromJson(message.mid(kWatchMark.size()).toUtf8()).object();
    if (said.contains("nolink")) {
        emit caught(
            tr("\"%1\" goes nowhere: the entry has no link").arg(said.value("nolink").toString()));
    } else if (said.contains("drawn")) {
        emit rendered(said.value("drawn").toInt());
    }
}

void PreviewPage::javaScriptAlert(const QUrl&, const QString& message) {
    emit caught(tr("The page would show the message \"%1\"").arg(message));
}

bool PreviewPage::javaScriptConfirm(const QUrl& origin, const QString& message) {
    javaScriptAlert(origin, message);
    return false;
}

bool PreviewPage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString&,
                                   QString*) {
    javaScriptAlert(origin, message);
    return false;
}

QString PreviewPage::Shown(const QUrl& url) const {
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (!folder.isEmpty() && path.startsWith(folder)) {
        return path.mid(folder.size());
    }
    return url.toDisplayString();
}

} // namespace preview
