#pragma once

#include <QSet>
#include <QString>
#include <QUrl>
#include <QWebEnginePage>

namespace preview {

class RequestFilter;

// The page of the preview pane. It loads the generated pages and the local files they name;
// wherever the menu would go is caught and told instead of followed, and the page's own message
// boxes are told the same way, so the pane never leaves the menu nor interrupts the user.
class PreviewPage : public QWebEnginePage {
    Q_OBJECT

  public:
    PreviewPage(QWebEngineProfile* profile, QObject* parent);

    // The pages about to be loaded (their folder ends with '/'), a local image they may show,
    // and the frame the menu's links go to.
    void Expect(const QString& folder, const QStringList& pages, const QUrl& image,
                const QString& frameName);

  signals:
    // What the menu would do, in one line.
    void caught(const QString& text);
    // The page asked by `serial` has been drawn by its renderer.
    void rendered(int serial);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override;

  private:
    // An address as the user typed it: relative to the pages' folder when it lies there.
    QString Shown(const QUrl& url) const;

    RequestFilter* filter = nullptr;
    QString folder;
    QSet<QUrl> pages;
    QString frameName;
};

} // namespace preview
