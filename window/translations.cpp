#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// The translators installed, kept while the application lives.
std::unique_ptr<QTranslator> programTranslator;
std::unique_ptr<QTranslator> qtTranslator;

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

InstalledTranslations installTranslations(const QLocale &locale)
{
    remove(programTranslator);
    remove(qtTranslator);
    InstalledTranslations installed;
    for (const QString &name : locale.uiLanguages()) {
        const QString language = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            break; // the source language comes before any other the user reads
        auto program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral("tarnyx_") + language, QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(program.get());
        programTranslator = std::move(program);
        installed.program = true;
        // Qt's own words: Debian's Qt translations on Linux, embedded in the Windows program.
        auto qt = std::make_unique<QTranslator>();
        const QString qtbase = QStringLiteral("qtbase_") + language;
        if (qt->load(qtbase, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            qt->load(qtbase, QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(qt.get());
            qtTranslator = std::move(qt);
            installed.qt = true;
        }
        break;
    }
    return installed;
}
