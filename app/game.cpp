#include "game.h"

#include "platform/frontdoor.h"
#include "platform/gamefiles.h"
#include "platform/instancelock.h"
#include "platform/plugins.h"
#include "platform/quitsignals.h"
#include "rules/draw.h"
#include "rules/store.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/translations.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSessionManager>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

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

namespace {
QString frontDoorBeside(const InstanceLock& lock)
{
    return QFileInfo(lock.fileName()).dir().filePath(QStringLiteral("morvick.socket"));
}

// Qt ends the process when the display goes away: on X11 with exit(1), on
// Wayland with _exit(). No Qt event runs after that, but Qt first logs a warning,
// and exit() runs what atexit() registered. Neither hook takes an argument, so
// this one pointer leads back to the game while it is on screen.
std::atomic<MainForm*> gameOnScreen = nullptr;
QtMessageHandler qtsOwnHandler = nullptr;

std::once_flag processEnding;

// Qt may tell of the broken connection on two threads at once: the second
// waits here until the first has stored the plant and ended the process.
void storeBeforeTheProcessEnds()
{
    std::call_once(processEnding, [] {
        MainForm* const game = gameOnScreen.exchange(nullptr);
        if (!game)
            return;
        game->endedFromOutside();
        // What Qt would still do on the broken connection can crash; none of it is needed.
        std::fflush(nullptr);
        std::_Exit(1);
    });
}

// Wayland tells of the break on its event thread too, maybe while the game's
// thread is amid a care: the plant is read on the game's thread between two
// events, and from here only if that thread does not come to it.
void storeOnTheGamesThread()
{
    QMetaObject::invokeMethod(qApp, &storeBeforeTheProcessEnds, Qt::QueuedConnection);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    storeBeforeTheProcessEnds();
}

// Comes before exit() runs the handlers that libraries registered after the
// game's (the sound engine's among them), which may hang on a broken display.
void storeWhenTheDisplayBreaks(QtMsgType type, const QMessageLogContext& context,
                               const QString& message)
{
    if (qtsOwnHandler)
        qtsOwnHandler(type, context, message);
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("The X11 connection")) ||
                                 message.startsWith(QLatin1String("The Wayland connection")))) {
        if (gameOnScreen && QThread::currentThread() != qApp->thread())
            storeOnTheGamesThread();
        else
            storeBeforeTheProcessEnds();
    }
}

struct OnScreen {
    explicit OnScreen(MainForm& game)
    {
        gameOnScreen = &game;
        [[maybe_unused]] static const int registeredOnce = std::atexit(storeBeforeTheProcessEnds);
        qtsOwnHandler = qInstallMessageHandler(storeWhenTheDisplayBreaks);
    }
    ~OnScreen()
    {
        qInstallMessageHandler(qtsOwnHandler);
        gameOnScreen = nullptr;
    }
};
} // namespace

int runGame(QApplication& app, Seams seams, SoundPlayer& sounds)
{
    const QString storeFile = storeFileName();
    InstanceLock lock(QFileInfo(storeFile).absolutePath());
    std::unique_ptr<FrontDoor> frontDoor;
    switch (lock.acquire()) {
    case InstanceLock::Result::Acquired:
        seams.endProgram = [&lock, &frontDoor, end = seams.endProgram](int status) {
            frontDoor.reset();
            lock.release();
            end(status);
        };
        removeInterruptedSaves(storeFile);
        frontDoor = std::make_unique<FrontDoor>(frontDoorBeside(lock));
        break;
    case InstanceLock::Result::HeldByAnother:
        askToComeToFront(frontDoorBeside(lock));
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
    if (frontDoor)
        QObject::connect(frontDoor.get(), &FrontDoor::comeToFront, &mainform,
                         &MainForm::comeToFront);
    const OnScreen onScreen(mainform);

    mainform.Form_Load();
    centreOnScreen(mainform);
    mainform.show();
    // Every way out ends the process; the loop does not return.
    return app.exec();
}
