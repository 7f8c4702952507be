#include "game.h"

#include "core/ending.h"
#include "core/mainform.h"
#include "core/random.h"
#include "instancelock.h"
#include "quitsignals.h"

#include "core/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("morvick"));
    QCoreApplication::setApplicationName(QStringLiteral("morvick"));
}

namespace {
// Qt's own dialogs (colour, file) speak Japanese like the rest of the game.
void speakJapanese(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QApplication::setFont(gothicFont(9, false));
}
} // namespace

int runGame(QApplication& app, SoundPlayer& sounds)
{
    InstanceLock lock;
    if (!lock.acquire())
        return 0;
    setBeforeEnd([&lock] { lock.release(); });
    speakJapanese(app);

    seedRandom();
    MainForm mainform(sounds);
    // A kill, a hang-up or the end of the session saves the plant like closing the window.
    QuitSignals signals_;
    QObject::connect(&signals_, &QuitSignals::received, &mainform, &MainForm::saveAndEnd);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainform,
                     [&mainform](QSessionManager&) { mainform.saveAndEnd(); });

    mainform.Form_Load();
    centreOnScreen(mainform);
    mainform.show();
    app.exec();
    // The event loop only ends through a quit path, which never returns here.
    endProgram();
    return 0;
}
