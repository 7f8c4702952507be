#include "language.h"

Language chooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        // "en-GB", "en_US", "en": only the language counts, not the country or script.
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language.compare(QLatin1String("ja"), Qt::CaseInsensitive) == 0)
            return Language::Japanese;
        if (language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            return Language::English;
    }
    return Language::Japanese;
}
