#include "dialogs/ImportMessages.h"

#include "import/ImportTexts.h"

#include <QCoreApplication>

namespace dialogs {

QString ShownText(const importing::ImportText& text) {
    const QByteArray translated = QCoreApplication::translate("ImportTexts", text.text).toUtf8();
    return QString::fromStdString(
        importing::ImportText{translated.constData(), text.args}.English());
}

QStringList ResultMessages(const importing::ImportResult& result, const QString& source) {
    if (result.refusal) {
        return {ShownText(*result.refusal)};
    }
    QStringList messages;
    for (const auto& warning : result.warnings) {
        messages << ShownText(warning);
    }
    for (const auto& skipped : result.SkippedTexts()) {
        messages << ShownText(skipped);
    }
    if (result.groups.empty()) {
        messages << (source.isEmpty()
                         ? ShownText({importing::texts::kNothingPasted, {}})
                         : ShownText({importing::texts::kNothingFound, {source.toStdString()}}));
    }
    return messages;
}

} // namespace dialogs
