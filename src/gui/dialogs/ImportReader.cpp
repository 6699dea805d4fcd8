#include "dialogs/ImportReader.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace dialogs {
namespace {

// Shorter reads finish without a progress indication flashing up.
constexpr int kMomentMs = 300;

} // namespace

ImportReader::ImportReader(QObject* parent)
    : QObject(parent), watcher(new QFutureWatcher<importing::ImportResult>(this)),
      moment(new QTimer(this)) {
    moment->setSingleShot(true);
    moment->setInterval(kMomentMs);
    connect(moment, &QTimer::timeout, this, &ImportReader::slow);
    connect(watcher, &QFutureWatcherBase::finished, this, [this] {
        moment->stop();
        emit finished(watcher->result());
    });
}

void ImportReader::Read(std::function<importing::ImportResult()> job) {
    watcher->setFuture(QtConcurrent::run(std::move(job)));
    moment->start();
}

bool ImportReader::Reading() const {
    return watcher->isRunning();
}

} // namespace dialogs
