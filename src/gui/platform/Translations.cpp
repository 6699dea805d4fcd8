#include "platform/Translations.h"

#include "platform/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {
namespace {

// The translators in use, so that another language replaces them.
QList<QTranslator*>& Installed() {
    static QList<QTranslator*> translators;
    return translators;
}

void Install(QTranslator* translator) {
    QCoreApplication::installTranslator(translator);
    Installed().append(translator);
}

} // namespace

void InstallTranslations(const QLocale& locale) {
    for (QTranslator* translator : Installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
    QLocale::setDefault(locale);

    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, "qt", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        Install(qt);
    } else {
        delete qt;
    }
    for (const QString& folder : ProgramDataFolders()) {
        auto* own = new QTranslator(QCoreApplication::instance());
        if (own->load(locale, "quorvane", "_", QDir(folder).filePath("translations"))) {
            Install(own);
            return;
        }
        delete own;
    }
}

QString LocalizedDataFile(const QString& relative) {
    const QFileInfo name(relative);
    const QString stem =
        name.path() == "." ? name.completeBaseName() : name.path() + '/' + name.completeBaseName();
    // A regional language ("es-MX") takes the file of its language ("es") when it has none.
    QStringList languages;
    for (const QString& language : QLocale().uiLanguages()) {
        languages << QString(language).replace('-', '_') << language.section('-', 0, 0);
    }
    languages.removeDuplicates();
    for (const QString& language : languages) {
        const QString file = ProgramDataFile(stem + '_' + language + '.' + name.suffix());
        if (!file.isEmpty()) {
            return file;
        }
    }
    return ProgramDataFile(relative);
}

} // namespace platform
