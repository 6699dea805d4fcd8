#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace platform {

inline constexpr int kNoAssociation = 31;
inline constexpr int kOpened = 42;

// Hands a file path or web/mail address to the program the desktop associates with it.
// Returns kOpened, or kNoAssociation when nothing would open it.
int OpenDocument(QWidget* owner, const QString& pathOrAddress);

// An address with a scheme (https:, mailto:, file:) as it is; anything else as a local file.
QUrl DocumentUrl(const QString& pathOrAddress);

// Test seam: record what would be opened instead of starting a browser; while failing, every
// recorded open reports that nothing would open it.
void RecordOpenedDocuments(bool on);
void FailOpeningDocuments(bool on);
const QStringList& OpenedDocuments();
void ClearOpenedDocuments();

// A private folder of the user's (mode 0700, owned by the user, never a link), with a trailing
// slash; empty when no such folder can be had.
QString TempFolder();

} // namespace platform
