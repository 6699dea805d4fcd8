#include "preview/RequestFilter.h"

namespace preview {

void RequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    info.block(url.scheme() != "data" && !allowed.contains(url.adjusted(QUrl::RemoveFragment)));
}

} // namespace preview
