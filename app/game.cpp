#include "game.h"

#include "core/ending.h"
#include "core/mainform.h"
#include "core/random.h"
#include "instancelock.h"
#include "quitsignals.h"

#include <QApplication>
#include <QSessionManager>

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("morvick"));
    QCoreApplication::setApplicationName(QStringLiteral("morvick"));
}

int runGame(QApplication& app, SoundPlayer& sounds)
{
    InstanceLock lock;
    if (!lock.acquire())
        return 0;
    setBeforeEnd([&lock] { lock.release(); });

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
