#pragma once

#include "import/ImportResult.h"

#include <QObject>
#include <functional>

template <typename T>
class QFutureWatcher;
class QTimer;

namespace dialogs {

// Reads an import's source on a worker thread, so that the window stays responsive. A read
// started while another runs takes its place: the earlier result is dropped when it comes.
class ImportReader : public QObject {
    Q_OBJECT

  public:
    explicit ImportReader(QObject* parent);

    void Read(std::function<importing::ImportResult()> job);
    bool Reading() const;

  signals:
    // The read has taken more than a moment: time to show that it runs.
    void slow();
    void finished(const importing::ImportResult& result);

  private:
    QFutureWatcher<importing::ImportResult>* watcher = nullptr;
    QTimer* moment = nullptr;
};

} // namespace dialogs
