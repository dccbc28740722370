#include "Translations.h"

#include "LayoutFonts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace corvanta {

namespace {

// As gettext decides: the messages locale is the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty; in the C locale (none set, C, POSIX, C.UTF-8) LANGUAGE is not read.
bool messagesLocaleIsC()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) {
            const QByteArray name = value.split('.').constFirst(); // without the encoding
            return name == "C" || name == "POSIX";
        }
    }
    return true;
}

} // namespace

QString installTranslations()
{
    static QTranslator program;
    static QTranslator toolkit;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&toolkit);
    QLocale::setDefault(QLocale::c()); // English numbers, whatever the region: a full stop
    useLayoutFaceFor({});
    if (messagesLocaleIsC()) {
        return {};
    }
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QLocale wanted(tag);
        if (wanted.language() == QLocale::C) { // a language Qt does not know: the next one
            continue;
        }
        if (wanted.language() == QLocale::English) {
            return {};
        }
        // Built into the program (the build's translations resource), so no install path matters. By
        // the locale's name, shortened from the end: pt_PT finds Portugal's, pt_BR and pt_AO Brazil's
        // (loading by the locale would try pt_Latn_PT, then pt, and find Brazil's for Portugal).
        if (!program.load(QStringLiteral("corvanta_") + wanted.name(), QStringLiteral(":/i18n"))) {
            continue;
        }
        QCoreApplication::installTranslator(&program);
        useLayoutFaceFor(program.language());
        // Numbers as that language's region writes them: "0,246" in de_DE, "0.246" in es_MX.
        QLocale::setDefault(wanted);
        // Qt's strings in that same language and no other: the user's variant when Qt has it
        // (pt_PT), else the language's main one (pt_BR).
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (toolkit.load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder)
            || toolkit.load(QLocale(wanted.language()), QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder)) {
            QCoreApplication::installTranslator(&toolkit);
        }
        return program.language();
    }
    return {};
}

} // namespace corvanta
