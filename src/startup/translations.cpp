#include "startup/translations.h"

#include <QCoreApplication>
#include <QTranslator>

static void initPelimorTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace pelimor {
namespace {

// Lives as long as the application.
bool install(const QString &name, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, directory, QStringLiteral("_")) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool installTranslations(const QLocale &locale)
{
    static const bool resources = (initPelimorTranslations(), true);
    (void)resources;
    // The user's languages in their order of preference: the first one the
    // program speaks wins. English is spoken without a catalogue, so one who
    // puts it before German gets English, not German.
    for (QString language : locale.uiLanguages()) {
        if (QLocale(language).language() == QLocale::English)
            return false;
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (install(QStringLiteral("pelimor_") + language, QStringLiteral(":/i18n"))) {
            install(QStringLiteral("qtbase_") + language, qtTranslationsDirectory());
            return true;
        }
    }
    return false;
}

} // namespace pelimor
