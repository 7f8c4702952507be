// The game with its clock, draws and user driven from the command line, so
// tests can run it as a real process:
//   --today YYYY-MM-DD  --hour H  --draw U (repeated, used in turn)
//   --type WINDOW:FIELD:TEXT  --click WINDOW:BUTTON  --trigger WINDOW:MENUITEM
//   (done in order as the windows show)
// It prints "shown NAME keys=..." when a window appears, with the stored keys,
// and "sound FILE" for each sound the game plays.
#include "app/game.h"
#include "platform/gamefiles.h"
#include "platform/sound.h"
#include "rules/draw.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <optional>

namespace {
class PrintedSound : public SoundPlayer
{
public:
    void play(Sound sound) override
    {
        std::printf("sound %s\n", qPrintable(soundFileName(sound)));
        std::fflush(stdout);
    }
};

struct Step {
    QString window;
    QString control;
    std::optional<QString> text;
    bool menuItem = false;
};

QWidget* shownWindow(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == name)
            return widget;
    return nullptr;
}

class ShowReporter : public QObject
{
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget && widget->isWindow() &&
            !widget->objectName().isEmpty()) {
            QSettings settings;
            settings.beginGroup(QStringLiteral("setting"));
            QStringList keys = settings.childKeys();
            keys.sort();
            std::printf("shown %s keys=%s\n", qPrintable(widget->objectName()),
                        qPrintable(keys.join(QLatin1Char(','))));
            std::fflush(stdout);
        }
        return false;
    }
};

void take(const Step& step, QWidget& window)
{
    if (step.menuItem) {
        if (auto* action = window.findChild<QAction*>(step.control))
            QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    } else if (step.text) {
        if (auto* field = window.findChild<QLineEdit*>(step.control))
            field->setText(*step.text);
    } else if (auto* button = window.findChild<QAbstractButton*>(step.control)) {
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    Seams seams = Seams::real(gameFilesFolder(QCoreApplication::applicationDirPath()));

    std::deque<Step> steps;
    QList<double> draws;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& option = args[i];
        const QString& value = args[i + 1];
        const QStringList parts = value.split(QLatin1Char(':'));
        if (option == QLatin1String("--today")) {
            const QDate today = QDate::fromString(value, Qt::ISODate);
            seams.today = [today] { return today; };
        } else if (option == QLatin1String("--hour")) {
            seams.hour = [hour = value.toInt()] { return hour; };
        } else if (option == QLatin1String("--draw")) {
            draws.append(value.toDouble());
        } else if (option == QLatin1String("--click") && parts.size() == 2) {
            steps.push_back({parts[0], parts[1], std::nullopt});
        } else if (option == QLatin1String("--trigger") && parts.size() == 2) {
            steps.push_back({parts[0], parts[1], std::nullopt, true});
        } else if (option == QLatin1String("--type") && parts.size() >= 3) {
            steps.push_back({parts[0], parts[1], parts.mid(2).join(QLatin1Char(':'))});
        }
    }
    if (!draws.isEmpty())
        seams.draw = [draws, next = 0]() mutable { return draws[next++ % draws.size()]; };

    ShowReporter reporter;
    app.installEventFilter(&reporter);

    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&steps] {
        if (steps.empty())
            return;
        if (QWidget* window = shownWindow(steps.front().window)) {
            const Step step = steps.front();
            steps.pop_front();
            take(step, *window);
        }
    });
    driver.start(20);

    PrintedSound sounds;
    return runGame(app, seams, sounds);
}
