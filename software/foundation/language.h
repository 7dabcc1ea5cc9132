// The language the tool speaks: the one asked for with --language, or else the
// first of the system's UI languages the tool carries a translation for;
// English when there is none.
#pragma once

#include <QString>
#include <QStringList>

// The translation to use ("de", "pt_BR", "zh_CN") for the languages wanted, in
// order of preference, as QLocale::uiLanguages() or a user names them ("de-AT",
// "pt_BR", "zh-Hans-CN", "ja"), among the available ones; empty for English.
QString chooseLanguage(const QStringList &wanted, const QStringList &available);

// The translations the tool carries, as chooseLanguage() names them.
QStringList availableLanguages();

// Installs the translation of that language (ours and Qt's own, for its
// dialogs) into the application; false for English or when it cannot be read.
bool installTranslations(const QString &language);

// Chooses the language (the one requested, or else the system's UI languages)
// and installs its translation; the language used, empty for English.
QString chooseAndInstallLanguage(const QString &requested);
