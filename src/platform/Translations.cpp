#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace corvanta {

QString installTranslations()
{
    static QTranslator program;
    static QTranslator toolkit;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&toolkit);
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QLocale wanted(tag);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C) {
            return {};
        }
        // Built into the program (the build's translations resource), so no install path matters.
        if (!program.load(wanted, QStringLiteral("corvanta"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            continue;
        }
        QCoreApplication::installTranslator(&program);
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
