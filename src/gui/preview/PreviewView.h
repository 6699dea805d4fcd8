#pragma once

#include "generate/CodeOutput.h"

#include <QTemporaryDir>
#include <QVariant>
#include <QWebEngineView>
#include <memory>
#include <vector>

namespace preview {

class PreviewPage;

// The web view of the preview pane, with a profile of its own that keeps nothing on disk. Small
// pages are shown straight from memory; a frameset, or a page too large for that, from files in
// a folder of its own inside the private preview folder. The entry the user chose and the scroll
// position stay across pages where the new page still has them.
class PreviewView : public QWebEngineView {
    Q_OBJECT

  public:
    explicit PreviewView(QWidget* parent = nullptr);
    ~PreviewView() override;

    // The files of a preview, the page to open last; the frame the menu's links go to and the
    // address of the button's image, which the view may load when it is a local file.
    void ShowPages(std::vector<generate::PreviewFile> files, const QString& frameName,
                   const QString& imageUrl);

  signals:
    // The first frame of the page asked for last is on the screen.
    void pageDrawn();
    // What the menu would do with the entry the user tried.
    void caught(const QString& text);
    // Why no page can be shown, in one line.
    void failed(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Load();
    void Loaded(bool ok);
    void FitToWidth();
    void Rendered(int serial);

    std::unique_ptr<QTemporaryDir> folder; // none when there is no private folder
    PreviewPage* previewPage = nullptr;
    std::vector<generate::PreviewFile> files;
    QString frameName;
    QString imageUrl;
    QVariant kept;       // what the user changed on the last page
    int asked = 0;       // the ShowPages calls so far
    int shown = 0;       // the call whose page was loaded last
    bool loaded = false; // a page is there to take the user's changes from
    bool awaitingPaint = false;
};

} // namespace preview
