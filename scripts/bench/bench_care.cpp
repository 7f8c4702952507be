// Times the care buttons with the real sound player: from a click to the window
// it opens being up, and from OK to the labels being updated. The first click
// of the run pays for starting the sound thread. Run by hand, e.g.
//   bench_care                      (uses the platform in QT_QPA_PLATFORM)
//   bench_care 25                   (25 rounds instead of 20; at most 27)
#include "app/game.h"
#include "platform/qtsoundplayer.h"
#include "ui/mainform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// A frame at 60 Hz: no click may hold the user-interface thread longer.
constexpr double frameMs = 16.0;

double millisecondsSince(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

struct Series {
    const char* name;
    std::vector<double> samples;
    bool holdsTheThread = true; // false: a wait across turns of the event loop

    void add(double ms) { samples.push_back(ms); }
    void print() const
    {
        std::vector<double> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        std::printf("%-26s first %7.3f  median %7.3f  max %7.3f ms  (%zu clicks)%s\n", name,
                    samples.front(), sorted[sorted.size() / 2], sorted.back(), samples.size(),
                    holdsTheThread && sorted.back() > frameMs ? "  OVER A FRAME" : "");
    }
};

// Clicks OK of the modal window once it is up, timing both halves. OK updates
// the labels before the click returns, so its click time is the time to them.
void timeDialog(QPushButton* opener, Series& open, Series& ok)
{
    QElapsedTimer clock;
    QTimer::singleShot(0, [&] {
        open.add(millisecondsSince(clock));
        QWidget* form = QApplication::activeModalWidget();
        auto* button = form ? form->findChild<QPushButton*>(QStringLiteral("Command1")) : nullptr;
        if (!button) {
            std::fprintf(stderr, "the window did not open\n");
            std::exit(1);
        }
        clock.restart();
        QTest::mouseClick(button, Qt::LeftButton);
        ok.add(millisecondsSince(clock));
    });
    clock.start();
    QTest::mouseClick(opener, Qt::LeftButton);
}
} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvick-bench"));
    // Watering from the driest level a plant survives, 27 rounds leave it unrotted.
    const int rounds = std::clamp(argc > 1 ? std::atoi(argv[1]) : 20, 1, 27);

    // A plant as dry as a plant lives through the day's check.
    const QDate today = QDate::currentDate();
    QSettings settings;
    for (const auto& [key, value] :
         {std::pair{"smode", "1"}, {"sname", "bench"}, {"ai", "40"}, {"swater", "-27"}})
        settings.setValue(QStringLiteral("setting/") + QLatin1String(key), QLatin1String(value));
    settings.setValue(QStringLiteral("setting/lastday"),
                      QString::number(QDate(1899, 12, 30).daysTo(today)));
    settings.sync();

    Seams seams = realSeams();
    seams.endProgram = [](int) {};
    QtSoundPlayer sounds(seams.programFolder, seams.pluginFolder, [] { QApplication::beep(); });
    MainForm mainform(seams, sounds);
    mainform.Form_Load();
    mainform.show();
    if (!QTest::qWaitForWindowExposed(&mainform))
        std::fprintf(stderr, "the main window was not exposed\n");
    const auto button = [&mainform](const char* name) {
        return mainform.findChild<QPushButton*>(QLatin1String(name));
    };

    Series water{"water: click to labels", {}};
    Series talkOpen{"talk: click to window", {}};
    Series talkOk{"talk: OK to labels", {}};
    Series acceOpen{"accessories: click to win", {}};
    Series acceOk{"accessories: OK to labels", {}};

    // The sound itself is made ready on the sound thread; this is how long that takes.
    QElapsedTimer sinceFirstClick;
    double firstSoundReadyMs = -1;
    QObject::connect(&sounds, &QtSoundPlayer::loaded, &app, [&](const QString&, bool playable) {
        if (firstSoundReadyMs < 0)
            firstSoundReadyMs = playable ? millisecondsSince(sinceFirstClick) : 0;
    });
    sinceFirstClick.start();
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(button("siikubutton1"), Qt::LeftButton);
        water.add(millisecondsSince(clock));
        timeDialog(button("siikubutton2"), talkOpen, talkOk);
        timeDialog(button("siikubutton3"), acceOpen, acceOk);
        // Let the sound thread report back, as idle time between real clicks would.
        QTest::qWait(20);
    }

    // The help viewer is loaded at its first use and builds its window over two
    // turns of the event loop: the longest gap between turns is what holds the
    // user-interface thread, the time to the window is what the user waits.
    Series helpHold{"help: longest UI hold", {}};
    Series helpShown{"help: opened to window", {}, false};
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock, sinceTurn;
        double longest = 0;
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout, [&] {
            longest = std::max(longest, millisecondsSince(sinceTurn));
            sinceTurn.restart();
        });
        turns.start(0);
        QTest::qWait(5);
        clock.start();
        sinceTurn.start();
        mainform.findChild<QAction*>(QStringLiteral("mhepl1"))->trigger();
        QWidget* viewer = mainform.findChild<QWidget*>(QStringLiteral("helpwindow"));
        if (!viewer || !QTest::qWaitFor([viewer] { return viewer->isVisible(); })) {
            std::fprintf(stderr, "the help window did not open\n");
            return 1;
        }
        helpShown.add(millisecondsSince(clock));
        helpHold.add(std::max(longest, millisecondsSince(sinceTurn)));
        viewer->close();
    }

    std::printf("platform %s, %d rounds\n", qPrintable(QGuiApplication::platformName()), rounds);
    for (const Series* series :
         {&water, &talkOpen, &talkOk, &acceOpen, &acceOk, &helpHold, &helpShown})
        series->print();
    std::printf("first sound ready to play %.1f ms after the first click, off the UI thread\n",
                firstSoundReadyMs);
    return 0;
}
