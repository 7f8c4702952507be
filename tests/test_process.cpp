#include "testenv.h"

#include <QProcess>
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
const int today = 46362, yesterday = today - 1; // 6 December 2026, the day the game is told
// The plant as storePlant() leaves it, and as a quit stores it after the start's daily check.
const QString untouched =
    "days=5 lastday=46361 sei=2 seiword=1 smode=1 sname=ザボン sshape1=1 sshape2=1 swater=9";
const QString played =
    "ai=0 bcolor=16744703 days=6 lastday=46362 sacce1=0 sacce2=0 sacce3=0 sacce4=0 "
    "sei=2 seiword=1 smode=1 sname=ザボン sshape1=1 sshape2=1 swater=6";
const QString nineKeys = "days,lastday,sei,seiword,smode,sname,sshape1,sshape2,swater";
const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

void storePlant(int swater = 9, int lastday = yesterday, const QString& name = "ザボン")
{
    const QString keys = "sshape1=1 sshape2=1 days=5 smode=1 sei=2 seiword=1 lastday=%1 swater=%2";
    storeTexts(Texts{{"sname", name}} + textsOf(keys.arg(lastday).arg(swater)));
}
const rlimit noRoom{}; // on a full disk, no file may grow past 0 bytes; a write just fails
void (*const fillDisk)() = [] { signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &noRoom); };

// One run of the game through the harness on 6 December 2026; steps: its arguments, by spaces.
struct Run : QProcess {
    explicit Run(const QString& steps = {}, const QStringList& env = {}, bool onFullDisk = false)
    {
        setEnvironment(systemEnvironment() + env); // the later one counts
        setChildProcessModifier(onFullDisk ? fillDisk : nullptr);
        start(MORVICK_HARNESS, ("--today 2026-12-06 " + steps).split(' ', Qt::SkipEmptyParts));
    }
    ~Run() { kill(), waitForFinished(); } // quietly, unlike QProcess's own
    bool sees(const QString& prefix) // a line so starting (each comes whole) before the game ends
    {
        while (canReadLine() || waitForReadyRead(30000) || canReadLine())
            if (QString::fromUtf8(readLine()).startsWith(prefix))
                return true;
        return false;
    }
    bool endsWith(int status, int signal = 0) // after signal (0: none) to it, or of itself
    {
        if (processId() > 0) // 0 once it has ended, and kill(0) would hit the test
            ::kill(pid_t(processId()), signal);
        waitForFinished(30000); // false when it has already ended
        return state() == NotRunning && exitStatus() == NormalExit && exitCode() == status;
    }
    QString told() // the game's own lines on standard error, not what libraries say there
    {
        const QStringList lines = QString::fromUtf8(readAllStandardError()).split('\n');
        return lines.filter(QRegularExpression("^morvick: ")).join('\n');
    }
};
} // namespace

class TestProcess : public QObject
{
    Q_OBJECT
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/morvick/";
private slots:
    void init() { storePlant(); }
    void cleanup() { QDir(config).removeRecursively(); } // what a test put there too

    // Another game, of this session or another, asks the running one to the front and ends without
    // waiting for an answer. The pot chosen there stores the whole plant: the store was replaced.
    void aSecondGameOfTheSameUserEndsSilentlyWhileOneRuns()
    {
        Run first("--minimise mainform --click mainform:mtubo --click tuboform:sshape2(1) "
                  "--click tuboform:okbutton --click mainform:mabout");
        QVERIFY(first.sees("state mainform minimised"));
        storePlant(3, today, "other");
        ::kill(pid_t(first.processId()), SIGSTOP); // so that it cannot answer
        QTemporaryDir elsewhere; // another session's runtime folder, private as such
        const QDeadlineTimer soon(10000);
        Run second, third("", {"XDG_RUNTIME_DIR=" + elsewhere.path()});
        QVERIFY(second.endsWith(0) && third.endsWith(0) && !soon.hasExpired());
        QCOMPARE(second.readAll() + second.readAllStandardError() + third.readAll() +
                     third.readAllStandardError(),
                 QByteArray());
        ::kill(pid_t(first.processId()), SIGCONT);
        QVERIFY(first.sees("state mainform normal") && first.sees("shown aboutform"));
        first.kill(), first.waitForFinished(); // after the pot's own save
        QCOMPARE(storedPairs().join(' '), QString(played).replace("sshape2=1", "sshape2=2"));
    }

    // A way out stores what the window on screen offers (a farewell's close box is refused), the
    // whole plant if the store went meanwhile, even as the display goes; a failed save is told. A
    // compositor without a seat crashed on name boxes focused before their window was.
    void aWayOutLeavesWhatTheWindowOnScreenWould_data()
    {
        QTest::addColumn<int>("swater"); // stored yesterday; 0: no plant stored
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("seen");   // what the game prints before the test goes on
        QTest::addColumn<QString>("mishap"); // on the disk or display at once, else after seen
        QTest::addColumn<int>("signal");     // 0: none, the steps or the server's end end the game
        QTest::addColumn<QString>("plant");  // stored in the end
        QTest::addColumn<QString>("told");
        const QString main = "shown mainform", first = "shown firstform",
                      failure = "shown savefailure";
        const QString unsaved =
            "morvick: could not save the plant to " + QSettings().fileName() + ": the write failed";
        const QString failed =
            "morvick: cannot create the lock file " + qEnvironmentVariable("XDG_RUNTIME_DIR") +
            "/morvick.lock; starting without the guard against a second game on the same plant\n" +
            unsaved;
        const QString lost = "morvick: the connection to the display was lost; the game ends",
                      wet = "sound water.wav";
        const QString newborn =
            "ai=0 bcolor=16744703 days=1 lastday=46362 sacce1=0 sacce2=0 sacce3=0 sacce4=0 "
            "sei=2 seiword=1 smode=1 sname=a sshape1=1 sshape2=1 swater=3";
        const QString watered =
            QString(played).replace("ai=0", "ai=1").replace("swater=6", "swater=8");
        const QString ok = "--type firstform:namebox:a --click firstform:okbutton",
                      menu = "--click mainform:mnew";
        const QString water = "--click mainform:siikubutton1", pic = "--click mainform:mbmp";
        const QString full = "full disk", seat = "Wayland, no seat",
                      stale = "stale lock, full disk";
        const QString rot = water + " --close overform", rotted = "close overform: refused";
        const QString dry = "--close overform2", driedUp = "close overform2: refused";
        const QString door = "--click mainform:Command1 --close savefailure";
        const QString quit = "--click mainform:mend --close savefailure",
                      box = "--close mainform --close savefailure";
        const auto row = [](const char* name, int swater, const QString& steps, const QString& seen,
                            const QString& mishap, int signal, const QString& plant,
                            const QString& told) {
            QTest::newRow(name) << swater << steps << seen << mishap << signal << plant << told;
        };
        row("END, first setup", 0, "--click firstform:cancelbutton", first, "", 0, "", "");
        row("SIGTERM, setup from the menu: played", 9, menu, first, "", SIGTERM, played, "");
        row("OK: stored at once", 0, ok, main + " keys=" + nineKeys, "", SIGTERM, newborn, "");
        row("rotted, SIGTERM: nothing", 26, rot, rotted, "", SIGTERM, "", "");
        row("dried up, SIGHUP: nothing", -28, dry, driedUp, "", SIGHUP, "", "");
        row("a folder at the lock, SIGTERM", 9, "", main, "lock folder", SIGTERM, played, "");
        row("a lock held, not yet named", 9, "", "", "held lock", 0, untouched, "");
        row("the config folder gone, SIGINT", 9, "", main, "config gone", SIGINT, played, "");
        row("a link to nothing, SIGTERM", 9, "", main, "dangling", SIGTERM, "", unsaved);
        row("an X server that goes", 9, water, wet, "X server", 0, watered, lost);
        row("a Wayland compositor that goes", 9, water, wet, "Wayland", 0, watered, lost);
        row("no seat, the first setup", 0, "", first, seat, SIGTERM, "", "");
        row("no seat, the picture window", 9, pic, "shown bmpform", seat, SIGTERM, played, "");
        row("a full disk, SIGTERM", 9, "", main, full, SIGTERM, untouched, failed);
        row("a full disk, a stale lock", 9, "", main, stale, SIGTERM, untouched, failed);
        row("a full disk, the door button", 9, door, failure, full, 0, untouched, failed);
        row("a full disk, the quit menu item", 9, quit, failure, full, 0, untouched, failed);
        row("a full disk, the close box", 9, box, failure, full, 0, untouched, failed);
    }
    void aWayOutLeavesWhatTheWindowOnScreenWould()
    {
        QFETCH(int, swater);
        QFETCH(QString, steps);
        QFETCH(QString, seen);
        QFETCH(QString, mishap);
        QFETCH(int, signal);
        QFETCH(QString, told);
        swater ? storePlant(swater) : storeTexts({});
        QProcess server;
        QStringList variables;
        if (mishap == "X server") {
            server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
            QVERIFY2(server.waitForReadyRead(20000), "Xvfb (Debian package xvfb) did not start");
            variables = {"QT_QPA_PLATFORM=xcb", "DISPLAY=:" + server.readLine().trimmed()};
        } else if (mishap.startsWith("Wayland")) { // its socket in the test's runtime folder
            server.start("weston", {"--backend=headless-backend.so", "--socket=morvick-test"});
            const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/morvick-test";
            QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(socket), "weston did not start", 20000);
            variables = {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=morvick-test"};
        }
        if (mishap.startsWith("stale lock")) // Qt cannot take it over on a full disk
            QVERIFY(Run().sees("shown mainform"));
        QFile held(config + "morvick.lock"); // as a game holds it before it writes its name there
        QVERIFY(mishap != "held lock" || (held.open(QIODevice::WriteOnly) &&
                                          ::flock(held.handle(), LOCK_EX | LOCK_NB) == 0));
        if (mishap == "lock folder") // no running game: the lock goes to the runtime folder
            QVERIFY(QDir().mkpath(config + "morvick.lock"));
        Run game(steps, variables, mishap.endsWith("full disk"));
        QVERIFY(seen.isEmpty() || game.sees(seen));
        QTest::qWait(mishap == "Wayland, no seat" ? 1000 : 0); // drawn by then, its name box too
        if (mishap == "dangling") // the store no more a file, never to be written through
            QVERIFY(QFile::remove(config + "morvick.conf") &&
                    QFile::link("gone", config + "morvick.conf"));
        if (mishap == "config gone")
            QVERIFY(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively());
        if (signal == 0 && server.state() == QProcess::Running) { // the game's display goes...
            QVERIFY(game.processId() > 0); // ...with SIGPIPE if the game was writing to it
            ::kill(pid_t(game.processId()), SIGPIPE), server.terminate();
        }
        QVERIFY(game.endsWith(told.isEmpty() ? 0 : 1, signal));
        server.terminate(), server.waitForFinished();
        QVERIFY(!game.sees("shown")); // no window on the way out
        QCOMPARE(game.told(), told);
        QTEST(storedPairs().join(' '), "plant");
    }

    // At a start, a store the game can read is used, else kept aside, and what is no file is left
    // alone (the game ends); a lock naming no game, and what a killed save left, are cleared away.
    void whatLiesBesideThePlantIsUsedKeptAsideOrLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("window"); // the first window of the start but a message
        QTest::addColumn<QString>("told");   // %1: the store
        const QByteArray plant = ("[setting]\n" + QString(untouched).replace(' ', '\n') + '\n')
                                     .toUtf8(),
                         none;
        const QString conf = "morvick.conf", lock = "morvick.lock", main = "mainform";
        const QByteArray eightMiB = plant + QByteArray((8 << 20) - plant.size(), '\n');
        const QString refused =
            "morvick: %1 is not a regular file that the game can read and write; the game ends";
        const QString kept =
            "morvick: could not read the plant from %1; kept it as %1.unreadable and started anew";
        const auto row = [](const char* name, const QString& file, const QString& kind,
                            const QByteArray& bytes, const QString& window, const QString& told) {
            QTest::newRow(name) << file << kind << bytes << window << told;
        };
        row("a FIFO", conf, "fifo", none, "storenotice", refused);
        row("a link to a device node", conf, "device link", none, "storenotice", refused);
        row("a link to nothing", conf, "dangling link", none, "storenotice", refused);
        row("a folder", conf, "folder", none, "storenotice", refused);
        row("garbage, no NUL byte", conf, "file", QByteArray("\1\xff[[=\n\x80"), "firstform", kept);
        row("a NUL byte", conf, "file", plant + '\0', "firstform", kept);
        row("200 MB", conf, "huge", plant, "firstform", kept);
        row("a byte over 8 MiB of text", conf, "file", eightMiB + '\n', "firstform", kept);
        row("8 MiB of text", conf, "file", eightMiB, main, "");
        row("a byte-order mark", conf, "file", "\xef\xbb\xbf" + plant, main, "");
        row("a link to a store elsewhere", conf, "link", plant, main, "");
        row("an empty lock file", lock, "file", none, main, "");
        row("a save's temporary file", conf + ".Ab12Cd", "file", plant, main, "");
        row("a save's lock file", conf + ".lock", "file", none, main, "");
    }
    void whatLiesBesideThePlantIsUsedKeptAsideOrLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, window);
        QFETCH(QString, told);
        const QString path = config + name, store = config + "morvick.conf";
        QTemporaryDir elsewhere;
        const QByteArray target = QFile::encodeName(elsewhere.filePath("target"));
        QFile file(kind == "link" ? target : path);
        QVERIFY(path != store || QFile::remove(store));
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "device link" && ::mknod(target, S_IFCHR | 0600, makedev(1, 5)) != 0)
            QSKIP("a device node (the test's own, numbered as /dev/zero is) needs root");
        else if (!kind.endsWith(" link")) // a link to that node, or to nothing, has no bytes
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                    file.resize(kind == "huge" ? 200 << 20 : bytes.size()));
        QVERIFY(!kind.endsWith("link") || QFile::link(target, path));
        Run game("--close storenotice");
        QVERIFY(game.sees("shown " + window));
        QVERIFY(!name.startsWith("morvick.conf.") || !QFile::exists(path)); // cleared at the start
        QVERIFY(window == "storenotice" ? game.endsWith(1) : game.endsWith(0, SIGTERM));
        QCOMPARE(game.told(), told.replace("%1", store));
        const qint64 size = window == "firstform" ? file.size() : 0; // all of it kept aside
        QCOMPARE(QFileInfo(store + ".unreadable").size(), size);
        if (window == "mainform")
            QCOMPARE(storedPairs().join(' '), played);
        QCOMPARE(QFileInfo(store).isSymLink(), kind.endsWith("link"));
        QCOMPARE(QFileInfo(store).isFile(), window == "mainform"); // nothing put over a non-file
        QCOMPARE(QDir(config).entryList(everything),
                 QStringList{"morvick.conf" + QString(size ? ".unreadable" : "")});
    }

    // A name read as markup would wait on the FIFO it names; the help's files go with the game.
    void whatThePlayerOpensWaitsOnNothingAndLeavesNothingBehind()
    {
        QTemporaryDir temporary;
        QCOMPARE(::mkfifo(QFile::encodeName(temporary.filePath("pipe")).constData(), 0600), 0);
        storePlant(9, today, "<img src=\"" + temporary.filePath("pipe") + "\">");
        Run game("--click mainform:mhepl1", {"TMPDIR=" + temporary.path()});
        QVERIFY(game.sees("shown helpwindow"));
        QVERIFY(QDir(temporary.path()).entryList(everything).size() > 1); // the viewer's, the FIFO
        QVERIFY(game.endsWith(0, SIGTERM));
        QCOMPARE(QDir(temporary.path()).entryList(everything), QStringList{"pipe"});
    }

    void withoutADisplayTheGameSaysWhatItLookedAt()
    {
        const QString said =
            "morvick: no display could be opened; the game needs a graphical session (%1)\n";
        const QList<std::pair<QString, QString>> cases{
            // the one variable set of those it looks at
            {"DISPLAY=:9", said.arg("DISPLAY=\":9\", WAYLAND_DISPLAY unset")},
            {"QT_QPA_PLATFORM=xcb",
             said.arg("DISPLAY unset, WAYLAND_DISPLAY unset, QT_QPA_PLATFORM=\"xcb\"")}};
        for (const auto& [variable, told] : cases) {
            QProcess game;
            game.start("env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                               variable, MORVICK_GAME});
            QVERIFY(game.waitForFinished(30000));
            QVERIFY(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 3);
            QCOMPARE(QString::fromUtf8(game.readAllStandardError()), told);
        }
        QVERIFY(!QFile::exists(config + "morvick.lock"));
    }
};

MORVICK_TEST_MAIN(QGuiApplication, TestProcess)
#include "test_process.moc"
