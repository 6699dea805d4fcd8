#pragma once

#include "project/RecentFiles.h"

#include <QByteArray>
#include <QString>

namespace platform {

// What the program remembers between runs, in the user's settings of company "Brindlecote",
// program "Quorvane" (~/.config/Brindlecote/Quorvane.conf here). Every value is read and written
// afresh, so two windows of one run never hold different copies.
class ProgramSettings {
  public:
    // The full path of the project file last chosen in a dialog; the program's folder at first.
    QString LastUsedSaveFolder() const;
    void SetLastUsedSaveFolder(const QString& path) const;

    // The recent project files, newest first; an empty text where there is none.
    project::RecentList RecentFiles() const;
    // Writes only the positions that differ from what is stored.
    void SetRecentFiles(const project::RecentList& files) const;

    // The stored "Show Tips at Startup" text, "1" when there is none.
    QString ShowTipsAtStartup() const;
    void SetShowTipsAtStartup(int show) const;

    // The main window's docks (the live preview shown or hidden, where, and its size); empty
    // before the first close.
    QByteArray WindowState() const;
    void SetWindowState(const QByteArray& state) const;

    // Whether the notice stored under `key` in "Messages" is still wanted: "yes", or no value.
    bool NoticeWanted(const QString& key) const;
    void SetNoticeWanted(const QString& key, bool wanted) const;

  private:
    QString Value(const QString& section, const QString& key, const QString& fallback) const;
    void SetValue(const QString& section, const QString& key, const QString& value) const;
};

} // namespace platform
