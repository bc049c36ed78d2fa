#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The name the installed translators carry, so that a second call finds and replaces them.
const QString installedName = QStringLiteral("tarnyx translator");

// A translator of the application's for the language's region, else for the language alone
// (tarnyx_pt_BR, then tarnyx_pt), or none where neither file is there. (QTranslator::load with
// a QLocale does not serve: Qt 6.4 tries "de-Latn-AT" cut down to "de" before "de-AT".)
QTranslator *loaded(const QLocale &language, const QString &file, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(installedName);
    const QString regional = language.name();
    for (const QString &name : {regional, regional.section(QLatin1Char('_'), 0, 0)}) {
        if (translator->load(file + QLatin1Char('_') + name, directory))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

InstalledTranslations installTranslations(const QLocale &locale, const QString &directory)
{
    QCoreApplication *app = QCoreApplication::instance();
    for (QTranslator *translator :
         app->findChildren<QTranslator *>(installedName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    InstalledTranslations installed;
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break; // the source language comes before any other the user reads
        QTranslator *program = loaded(language, QStringLiteral("tarnyx"), directory);
        if (!program)
            continue;
        QCoreApplication::installTranslator(program);
        installed.program = true;
        // Qt's own words: Debian's Qt translations on Linux, embedded in the Windows program.
        const QString qtbase = QStringLiteral("qtbase");
        QTranslator *qt =
            loaded(language, qtbase, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (!qt)
            qt = loaded(language, qtbase, QStringLiteral(":/i18n"));
        if (qt) {
            QCoreApplication::installTranslator(qt);
            installed.qt = true;
        }
        break;
    }
    return installed;
}
