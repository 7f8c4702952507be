#include "game.h"

#include "core/controls.h"
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
#include <cstdio>

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
    switch (lock.acquire()) {
    case InstanceLock::Result::Acquired:
        atProgramEnd([&lock] { lock.release(); });
        break;
    case InstanceLock::Result::HeldByAnother:
        return 0;
    case InstanceLock::Result::Unavailable:
        std::fprintf(stderr,
                     "morvick: cannot create the lock file %s; starting without the guard "
                     "against a second game on the same plant\n",
                     qPrintable(lock.fileName()));
        break;
    }
    speakJapanese(app);

    seedRandom();
    MainForm mainform(sounds);
    // A kill, a hang-up or the end of the session saves the plant like closing the window.
    QuitSignals signals_;
    QObject::connect(&signals_, &QuitSignals::received, &mainform, &MainForm::quitRequested);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainform,
                     [&mainform](QSessionManager&) { mainform.quitRequested(); });

    mainform.Form_Load();
    centreOnScreen(mainform);
    mainform.show();
    app.exec();
    // The event loop only ends through a quit path, which never returns here.
    endProgram();
    return 0;
}
