#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString ours = QStringLiteral(":/translations");

// "de-AT" and "de_AT" alike: language, script and country as QLocale reads them.
QLocale localeOf(const QString &name)
{
    return QLocale(QString(name).replace(QLatin1Char('-'), QLatin1Char('_')));
}

bool isEnglish(const QString &name)
{
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en-"))
           || name.startsWith(QLatin1String("en_"));
}

} // namespace

QString chooseLanguage(const QStringList &wanted, const QStringList &available)
{
    for (const QString &name : wanted) {
        if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
            continue;
        // A name the tool carries as such ("pt_BR", or the pseudo-language
        // "en_XA" that marks every translated text).
        const QString exact = QString(name).replace(QLatin1Char('-'), QLatin1Char('_'));
        if (available.contains(exact))
            return exact;
        if (isEnglish(name))
            return QString(); // English was preferred to what follows
        const QLocale locale = localeOf(name);
        if (locale.language() == QLocale::C)
            continue; // not a language QLocale knows
        // The exact language and country first ("pt_BR"), then the language
        // alone ("de" for "de-AT"). Chinese is carried in simplified script
        // only: a reader of traditional script is not given it.
        const QString full = locale.name();
        if (available.contains(full))
            return full;
        const QString language = full.section(QLatin1Char('_'), 0, 0);
        if (locale.language() == QLocale::Chinese) {
            if (locale.script() == QLocale::SimplifiedChineseScript && available.contains(QStringLiteral("zh_CN")))
                return QStringLiteral("zh_CN");
            continue;
        }
        if (available.contains(language))
            return language;
        // Portuguese is carried as spoken in Brazil, for every Portuguese reader.
        for (const QString &candidate : available)
            if (candidate.section(QLatin1Char('_'), 0, 0) == language)
                return candidate;
    }
    return QString();
}

QStringList availableLanguages()
{
    QStringList languages;
    const QStringList files = QDir(ours).entryList({QStringLiteral("velmora_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages << file.mid(8, file.size() - 8 - 3);
    return languages;
}

QString chooseAndInstallLanguage(const QString &requested)
{
    const QStringList wanted = requested.isEmpty() ? QLocale::system().uiLanguages() : QStringList{requested};
    const QString language = chooseLanguage(wanted, availableLanguages());
    if (!language.isEmpty() && installTranslations(language))
        return language;
    QLocale::setDefault(QLocale(QLocale::English)); // what is shown is English, whatever the system's locale
    return QString();
}

bool installTranslations(const QString &language)
{
    if (language.isEmpty())
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("velmora_") + language, ours)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    // What is shown follows the language: the window font for its script.
    QLocale::setDefault(QLocale(language));
    // Qt's own texts (the buttons of its dialogs), where Debian has them.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
