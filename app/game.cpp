#include "game.h"

#include "platform/gamefiles.h"
#include "platform/instancelock.h"
#include "platform/plugins.h"
#include "platform/quitsignals.h"
#include "rules/draw.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/translations.h"

#include <QApplication>
#include <QLocale>
#include <QSessionManager>
#include <cstdio>

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("morvick"));
    QCoreApplication::setApplicationName(QStringLiteral("morvick"));
}

Seams realSeams()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return Seams::real(gameFilesFolder(executableFolder), pluginFolder(executableFolder),
                       chooseLanguage(QLocale::system().uiLanguages()));
}

int runGame(QApplication& app, Seams seams, SoundPlayer& sounds)
{
    InstanceLock lock;
    switch (lock.acquire()) {
    case InstanceLock::Result::Acquired:
        seams.endProgram = [&lock, end = seams.endProgram](int status) {
            lock.release();
            end(status);
        };
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
    speak(seams.language, &app);
    useGothicFont();

    MainForm mainform(seams, sounds);
    // A kill, a hang-up or the end of the session leaves what the window on screen would.
    QuitSignals signals_;
    QObject::connect(&signals_, &QuitSignals::received, &mainform, &MainForm::quitRequested);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainform,
                     [&mainform](QSessionManager&) { mainform.quitRequested(); });

    mainform.Form_Load();
    centreOnScreen(mainform);
    mainform.show();
    // Every way out ends the process; the loop does not return.
    return app.exec();
}
