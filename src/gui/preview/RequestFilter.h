#pragma once

#include <QSet>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

namespace preview {

// Lets the preview load its own pages and the local files they name, and nothing else: no
// request of the pane reaches the network.
class RequestFilter : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

  public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void Allow(QSet<QUrl> files) { allowed = std::move(files); }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  private:
    QSet<QUrl> allowed;
};

} // namespace preview
