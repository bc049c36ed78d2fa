#pragma once

#include <QLocale>
#include <QString>

// What installTranslations found for the language.
struct InstalledTranslations
{
    bool program = false; // the window's own words
    bool qt = false;      // Qt's words in it (the edit boxes' menu, the message box's button)
};

// Installs, for the first of the locale's languages that the program has (QLocale::uiLanguages:
// LANGUAGE, LC_MESSAGES and LANG on Linux, the display language on Windows), the program's
// translation and Qt's own; English, the source language, or none found, leaves the English
// texts. A regional translation comes before its language's (tarnyx_pt_BR, then tarnyx_pt).
// The translators belong to the application. Call it after the application is made and before
// the window; a second call replaces what the first installed. directory: where the program's
// translations are (embedded in the program).
InstalledTranslations installTranslations(const QLocale &locale = QLocale::system(),
                                          const QString &directory = QStringLiteral(":/i18n"));
