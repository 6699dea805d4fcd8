#pragma once

#include <QString>
#include <QTemporaryDir>

// Points HOME, the XDG folders and QSettings at a temporary folder, and makes message boxes,
// file dialogs and the browser answer from the test instead of showing themselves.
class TestEnvironment {
  public:
    TestEnvironment();
    QString path(const QString& relative = {}) const;

  private:
    QTemporaryDir home;
};
