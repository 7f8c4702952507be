// The game as it is linked, driven from its command line: --today YYYY-MM-DD, --draw U (repeated,
// used in turn), then steps taken once their window shows unminimised: --click WINDOW:CONTROL,
// --type WINDOW:FIELD:TEXT, --minimise WINDOW, --close WINDOW. It prints "shown NAME keys=K1,K2
// name=NAME", "state NAME minimised|normal", "close NAME: done|refused", "sound FILE". With
// --first-frame x it ends once the main window is painted: "first frame ...".
#include "app/game.h"
#include "firstframe.h"
#include "platform/qtsoundplayer.h"
#include "rules/draw.h"
#include "rules/store.h"

#include <QtWidgets>
#include <cstdio>

namespace {
const auto say = [](const QString& line) { std::puts(qPrintable(line)); };

struct PrintedSound : QtSoundPlayer {
    using QtSoundPlayer::QtSoundPlayer;
    void play(Sound s) override { say("sound " + soundFileName(s)), QtSoundPlayer::play(s); }
};

struct Reporter : QObject {
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(object);
        if (!window || !window->isWindow() || window->objectName().isEmpty())
            return false;
        if (event->type() == QEvent::WindowStateChange)
            say("state " + window->objectName() +
                (window->isMinimized() ? " minimised" : " normal"));
        if (event->type() != QEvent::Show)
            return false;
        QStringList keys; // only from a file: a FIFO in its place would hold the harness for ever
        if (QFileInfo(storeFileName()).isFile())
            keys = QSettings(storeFileName(), QSettings::IniFormat).allKeys().filter("setting/");
        say("shown " + window->objectName() + " keys=" + keys.join(',').remove("setting/") +
            " name=" + window->accessibleName());
        return false;
    }
};

void act(QWidget* window, const std::pair<QString, QString>& step)
{
    const auto& [option, value] = step; // an option, and its "WINDOW[:CONTROL[:TEXT]]"
    if (option == "--minimise")
        window->showMinimized();
    else if (option == "--close")
        say("close " + window->objectName() + (window->close() ? ": done" : ": refused"));
    else if (option == "--type")
        window->findChild<QLineEdit*>(value.section(':', 1, 1))->setText(value.section(':', 2));
    else if (auto* button = window->findChild<QAbstractButton*>(value.section(':', 1, 1)))
        button->click();
    else if (auto* action = window->findChild<QAction*>(value.section(':', 1, 1)))
        action->trigger();
}
} // namespace

int main(int argc, char* argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // a test reads each line while the game runs on
    QApplication app(argc, argv);
    nameApplication();
    Seams seams = realSeams();
    FirstFrame firstFrame;
    QList<std::pair<QString, QString>> steps;
    QList<double> draws;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--today")
            seams.today = [today = QDate::fromString(args[i + 1], Qt::ISODate)] { return today; };
        else if (args[i] == "--draw")
            draws.append(args[i + 1].toDouble());
        else if (args[i] == "--first-frame")
            app.installEventFilter(&firstFrame);
        else
            steps.append({args[i], args[i + 1]});
    }
    if (!draws.isEmpty())
        seams.draw = [draws, next = 0]() mutable { return draws[next++ % draws.size()]; };
    Reporter reporter;
    app.installEventFilter(&reporter);
    // Steps from the event loop, so that a modal window one opens takes the next in its own loop.
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&steps, &driver] {
        if (steps.isEmpty()) // then the game idles as it would on its own
            return driver.stop();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !window->isMinimized() &&
                window->objectName() == steps[0].second.section(':', 0, 0))
                return QTimer::singleShot(
                    0, window, [window, step = steps.takeFirst()] { act(window, step); });
    });
    driver.start(20);
    PrintedSound sounds(seams.programFolder, seams.pluginFolder, [] { QApplication::beep(); });
    return runGame(app, seams, sounds);
}
