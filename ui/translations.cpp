#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
void install(const QString& name, const QString& folder, QObject* owner)
{
    auto* translator = new QTranslator(owner);
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void speak(Language language, QObject* owner)
{
    switch (language) {
    case Language::Japanese:
        // Qt's buttons and dialogs speak English of themselves.
        install(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                owner);
        break;
    case Language::English:
        install(QStringLiteral("morvick_en"), QStringLiteral(":/i18n"), owner);
        break;
    }
}
