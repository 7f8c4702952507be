#include "testenv.h"

#include <QProcess>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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
    explicit Run(const QStringList& args = {}, const QStringList& variables = {},
                 const std::function<void()>& inChild = {})
    {
        process.setEnvironment(QProcess::systemEnvironment() + variables); // the later one counts
        process.setChildProcessModifier(inChild);
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

/* the bytes of a store the game would write, with a name of its own */
QByteArray plantFile(const QString& name = QStringLiteral("ザボン"))
{
    return "[setting]\nsname=" + name.toUtf8() + "\nsmode=1\nlastday=46362\nswater=9\n";
}

/* puts at path what a row names: raw bytes, or a FIFO, a folder, a link to a device node */
bool putAt(const QString& path, const QString& kind, const QByteArray& bytes,
           const QString& elsewhere)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo")
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == "folder")
        return QDir().mkpath(path);
    const QString target = elsewhere + "/target";
    if (kind == "device link") // the numbers of /dev/zero, on a node of the test's own
        return ::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0 &&
               QFile::link(target, path);
    QFile file(kind == "link" ? target : path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         (kind != "huge" || file.resize(200 << 20));
    return written && (kind != "link" || QFile::link(target, path));
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}
} // namespace

class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    void init() { storeTexts({}); }
    // What a test put in the place of the lock or settings file goes, even after a failure.
    void cleanup()
    {
        for (const QString name :
             {"morvick.lock", "morvick.conf", "morvick.conf.unreadable", "morvick.conf.Ab12Cd"}) {
            QDir(configFile(name)).removeRecursively();
            QFile::remove(configFile(name));
        }
    }

    // It asks the running game to come to the front, and waits for no answer.
    void aSecondGameOfTheSameUserEndsSilentlyWhileOneRuns_data()
    {
        QTest::addColumn<bool>("otherSession");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("in the same session") << false << false;
        QTest::newRow("in another session, with its own runtime folder") << true << false;
        QTest::newRow("while the running game is stopped") << false << true;
    }
    void aSecondGameOfTheSameUserEndsSilentlyWhileOneRuns()
    {
        QFETCH(bool, otherSession);
        QFETCH(bool, stopped);
        storePlant();
        QTemporaryDir one, two; // private, as a session's runtime folder is
        Run first({"--minimise", "mainform"}, {"XDG_RUNTIME_DIR=" + one.path()});
        QVERIFY(!first.waitFor("state mainform minimised").isEmpty());
        first.signal(stopped ? SIGSTOP : 0);
        QElapsedTimer clock;
        clock.start();
        Run second({}, {"XDG_RUNTIME_DIR=" + (otherSession ? two : one).path()});
        QVERIFY(second.endsWith(0));
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(second.process.readAll() + second.process.readAllStandardError(), QByteArray());
        first.signal(SIGCONT);
        QVERIFY(!first.waitFor("state mainform normal").isEmpty());
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

    // A player who quits is told in a window; a quit signal leaves a line on standard error.
    void aSaveThatFailsOnTheWayOutEndsWithStatus1NamingTheFile_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("told");
        const QStringList ok{"--close", "savefailure"};
        // clang-format off
        QTest::newRow("SIGTERM") << QStringList() << false;
        QTest::newRow("the door button") << QStringList{"--click", "mainform:Command1"} + ok << true;
        QTest::newRow("the quit menu item") << QStringList{"--click", "mainform:mend"} + ok << true;
        QTest::newRow("the close box") << QStringList{"--close", "mainform"} + ok << true;
        // clang-format on
    }
    void aSaveThatFailsOnTheWayOutEndsWithStatus1NamingTheFile()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, told);
        storePlant();
        // No file may grow past 0 bytes, as on a full disk: every save fails.
        Run game(steps, {}, [] {
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_FSIZE, &none);
            ::signal(SIGXFSZ, SIG_IGN);
        });
        QVERIFY(game.shows("mainform"));
        game.signal(told ? 0 : SIGTERM);
        QCOMPARE(game.shows("savefailure"), told);
        QVERIFY(game.endsWith(1));
        QVERIFY(game.process.readAllStandardError().contains(configFile("morvick.conf").toUtf8()));
    }

    // The close box (drawn by some window managers all the same) and Esc say no goodbye.
    void aFarewellEndsThePlantWhateverEndsTheGame_data()
    {
        QTest::addColumn<int>("swater"); // 3 less after the start's check
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("signal"); // 0: END after the close box
        const QStringList water{"--click", "mainform:siikubutton1"};
        QTest::newRow("rotted, then SIGTERM") << 26 << water << "overform" << SIGTERM;
        QTest::newRow("rotted, then END") << 26 << water << "overform" << 0;
        QTest::newRow("dried up, then SIGHUP") << -28 << QStringList() << "overform2" << SIGHUP;
    }
    void aFarewellEndsThePlantWhateverEndsTheGame()
    {
        QFETCH(int, swater);
        QFETCH(QStringList, steps);
        QFETCH(QString, window);
        QFETCH(int, signal);
        storePlant(swater, yesterday);
        const QStringList end{"--click", window + ":Command1"};
        Run game(steps + QStringList{"--close", window} + (signal ? QStringList() : end));
        QCOMPARE(game.waitFor("close"), "close " + window + ": refused");
        game.signal(signal);
        QVERIFY(game.endsWith(0));
        QCOMPARE(storedKeys(), QStringList());
    }

    // Memory holds the truth: a save never leaves part of a plant.
    void aStoreThatLostThePlantGetsItWholeAtTheQuit_data()
    {
        QTest::addColumn<QString>("removed"); // below the config folder
        QTest::addColumn<bool>("replaced");   // by a file of another plant
        QTest::newRow("the game's folder removed") << "morvick" << false;
        QTest::newRow("the whole config folder removed") << "" << false;
        QTest::newRow("the file replaced") << "" << true;
    }
    void aStoreThatLostThePlantGetsItWholeAtTheQuit()
    {
        QFETCH(QString, removed);
        QFETCH(bool, replaced);
        storePlant(9, yesterday, "ゆき");
        Run game;
        QVERIFY(game.shows("mainform"));
        if (replaced)
            storePlant(9, yesterday, "other");
        else
            QVERIFY(
                QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + '/' + removed).removeRecursively());
        game.signal(SIGTERM);
        QVERIFY(game.endsWith(0));
        QCOMPARE(storedKeys(), allKeys);
        QCOMPARE(storedText("sname") + storedText("swater"), "ゆき6");
        QVERIFY(Run().shows("mainform"));
    }

    // Beside a stored plant at a start: a store used when the game can read it, kept aside when
    // not, never opened nor written over when no file (the game ends after saying so); a lock
    // file that names no game, and a save cut short by a kill, left behind.
    void whatLiesBesideThePlantIsUsedKeptAsideOrLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("window"); // the first window of the start but a message
        const QString text = "[setting]\nsname=a\nsmode=1\n";
        const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2), none;
        const QString conf = "morvick.conf";
        // clang-format off
        QTest::newRow("a FIFO") << conf << "fifo" << none << "storenotice";
        QTest::newRow("a link to a device node") << conf << "device link" << none << "storenotice";
        QTest::newRow("a folder") << conf << "folder" << none << "storenotice";
        QTest::newRow("binary garbage") << conf << "file" << QByteArray("\0\1\xff[[=\n\x80", 8) << "firstform";
        QTest::newRow("UTF-16") << conf << "file" << "\xff\xfe" + utf16 << "firstform";
        QTest::newRow("200 MB") << conf << "huge" << plantFile() << "firstform";
        QTest::newRow("a byte-order mark") << conf << "file" << "\xef\xbb\xbf" + plantFile() << "mainform";
        QTest::newRow("a name of a million bytes") << conf << "file" << plantFile(QString(350000, u'モ')) << "mainform";
        QTest::newRow("a link to a store elsewhere") << conf << "link" << plantFile() << "mainform";
        QTest::newRow("an empty lock file") << "morvick.lock" << "file" << none << "mainform";
        QTest::newRow("a lock file of NUL bytes") << "morvick.lock" << "file" << QByteArray(64, '\0') << "mainform";
        QTest::newRow("a save's temporary file") << "morvick.conf.Ab12Cd" << "file" << plantFile() << "mainform";
        // clang-format on
    }
    void whatLiesBesideThePlantIsUsedKeptAsideOrLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, window);
        storePlant();
        const QString path = configFile(name), store = configFile("morvick.conf");
        QTemporaryDir elsewhere;
        QVERIFY(name != "morvick.conf" || QFile::remove(store));
        if (!putAt(path, kind, bytes, elsewhere.path()))
            QSKIP("a device node needs root");
#ifdef __SANITIZE_ADDRESS__
        if (bytes.size() > 1000000) // Qt's settings writer grows its buffer a little at a time
            QSKIP("writing a store of a megabyte takes minutes under AddressSanitizer");
#endif
        const mode_t mode = modeOf(path);
        Run game({"--close", "storenotice"});
        QVERIFY(game.shows(window));
        game.signal(window == "storenotice" ? 0 : SIGTERM);
        QVERIFY(game.endsWith(window == "storenotice" ? 1 : 0));
        const QByteArray said = game.process.readAllStandardError();
        QCOMPARE(said.contains(store.toUtf8()), window != "mainform"); // told only when not used
        if (window == "storenotice")
            QCOMPARE(modeOf(store), mode);
        if (window == "firstform")
            QCOMPARE(QFileInfo(store + ".unreadable").size(),
                     kind == "huge" ? 200 << 20 : qint64(bytes.size()));
        if (window == "mainform")
            QVERIFY(storedKeys().contains("ai") &&
                    QFileInfo(store).isSymLink() == (kind == "link"));
        QVERIFY(name == "morvick.conf" || !QFile::exists(path)); // taken over, or cleared away
    }

    // Qt ends a game whose display went away: the care given is stored first.
    void theCareGivenIsStoredWhenTheDisplayGoesAway()
    {
        storePlant(9, yesterday);
        QProcess server;
        server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        QVERIFY2(server.waitForReadyRead(20000), "Xvfb (Debian package xvfb) did not start");
        const QString display = ':' + QString::fromLatin1(server.readLine().trimmed());
        Run game({"--click", "mainform:siikubutton1"},
                 {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display});
        QCOMPARE(game.waitFor("sound"), "sound water.wav");
        server.terminate();
        game.process.waitForFinished(30000); // false when it has already ended
        QCOMPARE(game.process.state(), QProcess::NotRunning);
        server.waitForFinished();
        QVERIFY(game.process.exitStatus() == QProcess::NormalExit && game.process.exitCode() == 1);
        QVERIFY(game.process.readAllStandardError().contains("display"));
        QCOMPARE(storedText("swater"), "8");
    }

    void withoutADisplayTheGameSaysWhatItLookedAt_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("none named") << QString();
        QTest::newRow("one that no server answers on") << ":4093";
    }
    void withoutADisplayTheGameSaysWhatItLookedAt()
    {
        QFETCH(QString, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        if (!display.isEmpty())
            environment.insert("DISPLAY", display);
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(MORVICK_GAME);
        QVERIFY(game.waitForFinished(30000));
        QVERIFY(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 3);
        const QByteArray said = game.readAllStandardError();
        QVERIFY2(said.count('\n') == 1 && said.contains("DISPLAY") &&
                     said.contains("WAYLAND_DISPLAY"),
                 said);
        QVERIFY(!QFile::exists(configFile("morvick.lock")));
    }

    // kill -9 at moments spread over a pot OK, a picture path and a quit.
    void aGameKilledAtAnyMomentLeavesAWholePlant()
    {
        storePlant(200, today, "ゆき"); // water for 40 starts, each of which drains 3
        const QStringList steps{"--click", "mainform:mtubo",   "--click", "tuboform:okbutton",
                                "--click", "mainform:mbmp",    "--type",  "bmpform:Text1:/no.png",
                                "--click", "bmpform:Command3", "--click", "mainform:mend"};
        for (int round = 0; round < 40; ++round) {
            Run game(steps);
            QVERIFY2(game.waitFor("shown").startsWith("shown mainform"),
                     qPrintable(QString::number(round)));
            QTest::qSleep(round * 4);
            game.signal(SIGKILL);
            game.process.waitForFinished();
            const QStringList keys = storedKeys();
            for (const QString& key : nineKeys)
                QVERIFY2(keys.contains(key), qPrintable(QString::number(round)));
        }
        QVERIFY(Run().shows("mainform"));
        QCOMPARE(QDir(configFile("")).entryList({"morvick.conf.??????"}), QStringList());
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
