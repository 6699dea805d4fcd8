#pragma once

#include <QString>

// Project files open in the program from the file manager: a MIME type for the extension, a
// desktop entry that starts this executable with the file, and the program made the type's
// default handler, all in the user's own XDG folders.
namespace platform {

// Registers the type unless the program already is its handler. `typeName` names the desktop
// entry ("Quorvane" gives quorvane.desktop) and the MIME type (application/x-quorvane-project);
// `icon` is the entry's icon; without `extraArguments` the file is passed as "%f". Failures are
// silent.
void RegisterFileType(const QString& typeName, const QString& extension, const QString& description,
                      const QString& icon, const QString& extraArguments = {});

// The text of `key` in `group` of a freedesktop key file (desktop entry, mimeapps.list), up to
// its first NUL and at most 1024 characters; empty when the file, group or key is missing.
QString ReadRegString(const QString& keyFile, const QString& group, const QString& key);

} // namespace platform
