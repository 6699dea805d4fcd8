#pragma once

#include <QString>
#include <QTemporaryDir>

// Points HOME, the XDG folders and QSettings at a temporary folder, and makes message boxes,
// file dialogs and the browser answer from the test instead of showing themselves. The live
// preview stays off: only its own tests start the web engine.
class TestEnvironment {
  public:
    TestEnvironment();
    QString path(const QString& relative = {}) const;

  private:
    QTemporaryDir home;
};
