#include "testenv.h"

#include <QProcess>
#include <csignal>
#include <sys/stat.h>

namespace {
const int today = int(todayNumber), yesterday = today - 1;
// clang-format off
const QStringList nineKeys{"days", "lastday", "sei", "seiword", "smode", "sname", "sshape1", "sshape2", "swater"};
const QStringList allKeys{"ai", "bcolor", "days", "lastday", "sacce1", "sacce2", "sacce3", "sacce4",
                          "sei", "seiword", "smode", "sname", "sshape1", "sshape2", "swater"};

void storePlant(int swater = 9, int lastday = today, const QString& name = QStringLiteral("ザボン"))
{
    storeTexts({{"sname", name}, {"sshape1", "1"}, {"sshape2", "1"}, {"days", "5"}, {"smode", "1"},
                {"lastday", QString::number(lastday)}, {"swater", QString::number(swater)}, {"sei", "2"}, {"seiword", "1"}});
}
// clang-format on

QString configFile(const QString& name)
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/morvick/") + name;
}

// One run of the game through the harness, on 6 December 2026.
class Run
{
public:
    explicit Run(const QStringList& args = {}, const QStringList& variables = {})
    {
        process.setEnvironment(QProcess::systemEnvironment() + variables); // the later one counts
        process.start(QStringLiteral(MORVICK_HARNESS), QStringList{"--today", "2026-12-06"} + args);
    }
    ~Run() { process.kill(), process.waitForFinished(); } // quietly, unlike QProcess's own
    /* waits for the game to print a line starting with prefix; empty if it ends first */
    QString waitFor(const QString& prefix)
    {
        // The harness writes each line at once, so a read never ends inside one.
        while (process.canReadLine() || process.waitForReadyRead(30000) || process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            if (line.startsWith(prefix))
                return line;
        }
        return {};
    }
    bool shows(const QString& window) { return !waitFor("shown " + window).isEmpty(); }
    /* ended of itself, or by a signal it handles, with this status */
    bool endsWith(int status)
    {
        process.waitForFinished(30000); // false when it has already ended
        return process.state() == QProcess::NotRunning &&
               process.exitStatus() == QProcess::NormalExit && process.exitCode() == status;
    }
    void signal(int number)
    {
        if (process.processId() > 0) // 0 once it has ended, and kill(0) would hit the test
            ::kill(pid_t(process.processId()), number);
    }

    QProcess process;
};
} // namespace

class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    void init() { storeTexts({}); }
    // What a test put in the place of the lock or settings file goes, even after a failure.
    void cleanup()
    {
        for (const QString name : {"morvick.lock", "morvick.conf"})
            QDir(configFile(name)).removeRecursively();
    }

    void aSecondGameOfTheSameUserEndsSilentlyWhileOneRuns_data()
    {
        QTest::addColumn<bool>("otherSession");
        QTest::newRow("in the same session") << false;
        QTest::newRow("in another session, with its own runtime folder") << true;
    }
    void aSecondGameOfTheSameUserEndsSilentlyWhileOneRuns()
    {
        QFETCH(bool, otherSession);
        storePlant();
        QTemporaryDir one, two; // private, as a session's runtime folder is
        Run first({}, {"XDG_RUNTIME_DIR=" + one.path()});
        QVERIFY(first.shows("mainform"));
        Run second({}, {"XDG_RUNTIME_DIR=" + (otherSession ? two : one).path()});
        QVERIFY(second.endsWith(0));
        QCOMPARE(second.process.readAll() + second.process.readAllStandardError(), QByteArray());
        QCOMPARE(first.process.state(), QProcess::Running);
    }

    void twoStartsAtOnceLeaveOneGame()
    {
        storePlant();
        Run a, b;
        QVERIFY(a.process.waitForStarted() && b.process.waitForStarted());
        const auto ended = [](Run& run) { return run.process.state() == QProcess::NotRunning; };
        QTRY_VERIFY_WITH_TIMEOUT(ended(a) || ended(b), 30000);
        QVERIFY((ended(a) ? a : b).endsWith(0));
        Run& winner = ended(a) ? b : a;
        QVERIFY(winner.shows("mainform"));
        QCOMPARE(winner.process.state(), QProcess::Running);
    }

    // A folder in the lock file's place is no running game.
    void aLockFileThatCannotBeMadeIsNoReasonNotToStart()
    {
        storePlant();
        QTemporaryDir runtime;
        QFile::remove(configFile("morvick.lock")); // left by a game killed before
        QVERIFY(QDir().mkpath(configFile("morvick.lock")));
        for (const bool runtimeBlockedToo : {false, true}) { // only then a warning
            QVERIFY(!runtimeBlockedToo || QDir().mkpath(runtime.filePath("morvick.lock")));
            Run game({}, {"XDG_RUNTIME_DIR=" + runtime.path()});
            QVERIFY(game.shows("mainform"));
            game.signal(SIGTERM);
            QVERIFY(game.endsWith(0));
            QCOMPARE(game.process.readAllStandardError().contains("lock"), runtimeBlockedToo);
        }
    }

    // A quit signal does what the window on screen offers as its way out.
    void aWayOutLeavesWhatTheWindowOnScreenWould_data()
    {
        QTest::addColumn<int>("signal"); // 0: none, the steps end the game
        QTest::addColumn<int>("swater"); // 0: no plant stored
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("values");
        const QStringList none, menu{"--click", "mainform:mnew"}, kept{"sname=ザボン", "smode=1"};
        const QStringList saved = QStringList{"days=6", "swater=6", "lastday=46362"} + kept;
        const QStringList ok{"--type", "firstform:namebox:a", "--click", "firstform:okbutton"};
        // clang-format off
        QTest::newRow("SIGTERM, main window: saved") << SIGTERM << 9 << none << "mainform" << allKeys << saved;
        QTest::newRow("SIGINT, main window: saved") << SIGINT << 9 << none << "mainform" << allKeys << saved;
        QTest::newRow("SIGHUP, main window: saved") << SIGHUP << 9 << none << "mainform" << allKeys << saved;
        QTest::newRow("SIGTERM, first setup: nothing") << SIGTERM << 0 << none << "firstform" << none << none;
        QTest::newRow("SIGHUP, first setup: nothing") << SIGHUP << 0 << none << "firstform" << none << none;
        QTest::newRow("SIGTERM, setup from the menu: the old plant") << SIGTERM << 9 << menu << "firstform" << allKeys << kept;
        QTest::newRow("SIGKILL, setup from the menu: the old plant") << SIGKILL << 9 << menu << "firstform" << nineKeys << kept;
        QTest::newRow("OK, first setup: the new plant") << SIGTERM << 0 << ok << "mainform keys=" + nineKeys.join(',') << allKeys << QStringList{"sname=a", "lastday=46362"};
        QTest::newRow("END, first setup: nothing") << 0 << 0 << QStringList{"--click", "firstform:cancelbutton"} << "firstform" << none << none;
        QTest::newRow("END, dried-up plant: nothing") << 0 << -28 << QStringList{"--click", "overform2:Command1"} << "overform2" << none << none;
        // clang-format on
    }
    void aWayOutLeavesWhatTheWindowOnScreenWould()
    {
        QFETCH(int, signal);
        QFETCH(int, swater);
        QFETCH(QStringList, steps);
        QFETCH(QString, window);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, values);
        if (swater != 0)
            storePlant(swater, yesterday);
        Run game(steps);
        QVERIFY(game.shows(window));
        game.signal(signal);
        QVERIFY(signal == SIGKILL ? game.process.waitForFinished() : game.endsWith(0));
        QVERIFY(!game.shows("mainform")); // not even on the way out
        QCOMPARE(storedKeys(), keys);
        for (const QString& value : values)
            QCOMPARE(value.section('=', 0, 0) + '=' + storedText(value.section('=', 0, 0)), value);
        QVERIFY(Run().shows(keys.isEmpty() ? "firstform" : "mainform")); // a killed game's lock too
    }

    // Read as markup, the name would make every drawing of it open the FIFO and wait.
    void aNameThatLooksLikeMarkupIsOnlyText()
    {
        QTemporaryDir folder;
        const QString fifo = folder.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        storePlant(9, today, "<img src=\"" + fifo + "\">");
        Run game({"--click", "mainform:mabout"}); // its window shows once the main one is drawn
        QVERIFY(game.shows("mainform") && game.shows("aboutform"));
        game.signal(SIGTERM);
        QVERIFY(game.endsWith(0));
    }

    void theHelpViewerLeavesNoFileBehind()
    {
        storePlant();
        QTemporaryDir temporary;
        const auto filters = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        Run game({"--click", "mainform:mhepl1"}, {"TMPDIR=" + temporary.path()});
        QVERIFY(game.shows("helpwindow"));
        QVERIFY(!QDir(temporary.path()).isEmpty(filters)); // the viewer works in it
        game.signal(SIGTERM);
        QVERIFY(game.endsWith(0));
        QVERIFY(QDir(temporary.path()).isEmpty(filters));
    }

    void aSaveThatFailsOnTheWayOutEndsWithStatus1NamingTheFile()
    {
        storePlant();
        Run game;
        QVERIFY(game.shows("mainform"));
        const QString file = configFile("morvick.conf");
        QVERIFY(QFile::remove(file) && QDir().mkpath(file)); // nothing can be written there now
        game.signal(SIGTERM);
        QVERIFY(game.endsWith(1));
        QVERIFY(game.process.readAllStandardError().contains(file.toUtf8()));
    }

    // A headless Weston has no seat: no keyboard, no pointer, as in a kiosk.
    void aCompositorWithoutAKeyboardRunsTheGameAndLetsItEnd_data()
    {
        QTest::addColumn<int>("swater"); // 0: no plant stored
        QTest::addColumn<QString>("window");
        QTest::newRow("the first setup") << 0 << "firstform";
        QTest::newRow("a stored plant") << 9 << "mainform";
    }
    void aCompositorWithoutAKeyboardRunsTheGameAndLetsItEnd()
    {
        QFETCH(int, swater);
        QFETCH(QString, window);
        if (swater != 0)
            storePlant(swater);
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        QProcess weston;
        QProcessEnvironment westonEnvironment = QProcessEnvironment::systemEnvironment();
        westonEnvironment.insert("XDG_RUNTIME_DIR", runtime.path());
        weston.setProcessEnvironment(westonEnvironment);
        weston.start("weston",
                     {"--backend=headless-backend.so", "--socket=morvick-test", "--idle-time=0"});
        QVERIFY2(weston.waitForStarted(), "weston is not installed");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("morvick-test")), 20000);
        Run game({}, {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=morvick-test",
                      "XDG_RUNTIME_DIR=" + runtime.path()});
        QVERIFY(game.shows(window));
        QTest::qWait(1000); // drawn by now, its name box too
        QCOMPARE(game.process.state(), QProcess::Running);
        game.signal(SIGTERM);
        QVERIFY(game.endsWith(0));
        weston.terminate();
        weston.waitForFinished();
    }

    void wateringPlaysTheWaterSound()
    {
        storePlant();
        QCOMPARE(Run({"--click", "mainform:siikubutton1"}).waitFor("sound"), "sound water.wav");
    }
};

MORVICK_TEST_MAIN(QGuiApplication, TestProcess)
#include "test_process.moc"
