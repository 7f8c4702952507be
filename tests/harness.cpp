// The game, linked as the game is, with its clock, draws and user driven from
// the command line, so tests and the start-up benchmark can run it as a process:
//   --today YYYY-MM-DD  --hour H  --draw U (repeated, used in turn)
//   --click WINDOW:BUTTON-OR-MENU-ITEM  --type WINDOW:FIELD:TEXT
//   --close WINDOW (as by its close box, then prints "close WINDOW: done" or
//   ": refused")  --minimise WINDOW  (done in order as the windows show)
//   --first-frame x: ends as soon as the main window's first frame is painted,
//   printing "first frame libraries=N" (shared libraries mapped then)
// It prints "shown NAME keys=... name=..." when a window appears, with the
// stored keys and the window's name for a screen reader, "state NAME
// minimised" or "normal" when a window's state changes, and "sound FILE" for
// each sound the game plays (and plays it).
#include "app/game.h"
#include "firstframe.h"
#include "platform/qtsoundplayer.h"
#include "rules/draw.h"
#include "rules/store.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <deque>

namespace {
class PrintedSound : public SoundPlayer
{
public:
    explicit PrintedSound(const Seams& seams)
        : real(seams.programFolder, seams.pluginFolder, [] { QApplication::beep(); })
    {}
    void play(Sound sound) override
    {
        std::printf("sound %s\n", qPrintable(soundFileName(sound)));
        std::fflush(stdout);
        real.play(sound);
    }

private:
    QtSoundPlayer real;
};

class ShowReporter : public QObject
{
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isWindow() || widget->objectName().isEmpty())
            return false;
        if (event->type() == QEvent::WindowStateChange) {
            std::printf("state %s %s\n", qPrintable(widget->objectName()),
                        widget->isMinimized() ? "minimised" : "normal");
            std::fflush(stdout);
        }
        // Only a file is read: a FIFO in its place would hold the harness for ever.
        if (event->type() == QEvent::Show) {
            QStringList keys;
            if (QFileInfo(storeFileName()).isFile()) {
                QSettings settings(storeFileName(), QSettings::IniFormat);
                settings.beginGroup(QStringLiteral("setting"));
                keys = settings.childKeys();
            }
            keys.sort();
            std::printf("shown %s keys=%s name=%s\n", qPrintable(widget->objectName()),
                        qPrintable(keys.join(QLatin1Char(','))),
                        qPrintable(widget->accessibleName()));
            std::fflush(stdout);
        }
        return false;
    }
};

/* takes the step {window, control[, text]} or {window, "--close"/"--minimise"} once its
   window shows; false until then */
bool take(const QStringList& step)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->objectName() != step[0])
            continue;
        if (step[1] == QLatin1String("--minimise")) {
            QMetaObject::invokeMethod(window, &QWidget::showMinimized, Qt::QueuedConnection);
        } else if (step[1] == QLatin1String("--close")) {
            QTimer::singleShot(0, window, [window] {
                window->close();
                std::printf("close %s: %s\n", qPrintable(window->objectName()),
                            window->isVisible() ? "refused" : "done");
                std::fflush(stdout);
            });
        } else if (step.size() > 2) {
            if (auto* field = window->findChild<QLineEdit*>(step[1]))
                field->setText(step.mid(2).join(QLatin1Char(':')));
        } else if (auto* button = window->findChild<QAbstractButton*>(step[1])) {
            QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
        } else if (auto* action = window->findChild<QAction*>(step[1])) {
            QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
        }
        return true;
    }
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    Seams seams = realSeams();
    FirstFrame firstFrame;

    std::deque<QStringList> steps;
    QList<double> draws;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& option = args[i];
        const QString& value = args[i + 1];
        if (option == QLatin1String("--today")) {
            seams.today = [today = QDate::fromString(value, Qt::ISODate)] { return today; };
        } else if (option == QLatin1String("--hour")) {
            seams.hour = [hour = value.toInt()] { return hour; };
        } else if (option == QLatin1String("--draw")) {
            draws.append(value.toDouble());
        } else if (option == QLatin1String("--first-frame")) {
            app.installEventFilter(&firstFrame);
        } else if (option == QLatin1String("--close") || option == QLatin1String("--minimise")) {
            steps.push_back({value, option});
        } else if (value.count(QLatin1Char(':')) >= (option == QLatin1String("--type") ? 2 : 1)) {
            steps.push_back(value.split(QLatin1Char(':')));
        }
    }
    if (!draws.isEmpty())
        seams.draw = [draws, next = 0]() mutable { return draws[next++ % draws.size()]; };

    ShowReporter reporter;
    app.installEventFilter(&reporter);
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&steps, &driver] {
        if (!steps.empty() && take(steps.front()))
            steps.pop_front();
        if (steps.empty()) // then the game idles as it would on its own
            driver.stop();
    });
    driver.start(20);

    PrintedSound sounds(seams);
    return runGame(app, seams, sounds);
}
