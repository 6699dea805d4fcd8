#pragma once

#include <QString>
#include <QTemporaryDir>

// Points HOME, the XDG folders and QSettings at a temporary folder; message boxes, file dialogs
// and the browser answer from the test. Only the preview's own tests start the web engine.
class TestEnvironment {
  public:
    TestEnvironment();
    QString path(const QString& relative = {}) const;
    // Writes a file in the folder; its path.
    QString Write(const QString& relative, const QByteArray& bytes) const;

  private:
    QTemporaryDir home;
};

// The bytes of a file; "(missing)" when it cannot be read.
QByteArray FileContents(const QString& path);

// The lines of the reference text `name` in the folder texts beside the tests; with
// QUORVANE_UPDATE_TEXTS=1 written from `actual` first, for review after a wanted change.
QStringList Reference(const QString& name, const QStringList& actual);
