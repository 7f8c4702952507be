// Times the care buttons with the real sound player: from a click to the window
// it opens being up, and from OK to the labels being updated. The first click
// of the run pays for starting the sound thread. Run by hand, e.g.
//   bench_care                      (uses the platform in QT_QPA_PLATFORM)
//   bench_care 30                   (30 rounds instead of 20)
#include "care/acceform.h"
#include "care/qtsoundplayer.h"
#include "care/wordform.h"
#include "core/mainform.h"
#include "core/random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
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

    void add(double ms) { samples.push_back(ms); }
    void print() const
    {
        std::vector<double> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted[sorted.size() / 2];
        std::printf("%-26s first %7.3f  median %7.3f  max %7.3f ms  (%zu clicks)%s\n", name,
                    samples.front(), median, sorted.back(), samples.size(),
                    sorted.back() > frameMs ? "  OVER A FRAME" : "");
    }
};

// Clicks OK of the modal window of type Form once it is up, timing both halves.
// OK updates the labels before it returns, so its click time is the time to them.
template <typename Form>
void timeDialog(QPushButton* opener, Series& open, Series& ok, QPushButton* Form::*okButton)
{
    QElapsedTimer clock;
    QTimer::singleShot(0, [&] {
        open.add(millisecondsSince(clock));
        auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        if (!form) {
            std::fprintf(stderr, "the window did not open\n");
            std::exit(1);
        }
        clock.restart();
        QTest::mouseClick(form->*okButton, Qt::LeftButton);
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
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    seedRandom();
    QtSoundPlayer sounds;
    MainForm mainform(sounds);
    morvick.sname = QStringLiteral("bench");
    morvick.ai = 40;
    mainform.show();
    if (!QTest::qWaitForWindowExposed(&mainform))
        std::fprintf(stderr, "the main window was not exposed\n");

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
        morvick.swater = 0;
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(mainform.siikubutton1, Qt::LeftButton);
        water.add(millisecondsSince(clock));

        timeDialog<WordForm>(mainform.siikubutton2, talkOpen, talkOk, &WordForm::Command1);
        timeDialog<AcceForm>(mainform.siikubutton3, acceOpen, acceOk, &AcceForm::Command1);
        // Let the sound thread report back, as idle time between real clicks would.
        QTest::qWait(20);
    }

    std::printf("platform %s, %d rounds\n", qPrintable(QGuiApplication::platformName()), rounds);
    for (const Series* series : {&water, &talkOpen, &talkOk, &acceOpen, &acceOk})
        series->print();
    std::printf("first sound ready to play %.1f ms after the first click, off the UI thread\n",
                firstSoundReadyMs);
    return 0;
}
