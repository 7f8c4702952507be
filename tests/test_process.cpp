#include "testenv.h"
#include "storedsettings.h"

#include <QProcess>
#include <QSettings>

#include <csignal>
#include <sys/stat.h>
#include <memory>

namespace {
const QString today = QStringLiteral("2026-12-06");
constexpr int todayNumber = 46362;



void storePlant(int swater, int lastday, const QString& name = QStringLiteral("ザボン"))
{
    QSettings settings;
    settings.clear();
    settings.beginGroup(QStringLiteral("setting"));
    const QList<std::pair<const char*, QString>> plant{
        {"sname", name}, {"sshape1", "1"}, {"sshape2", "1"}, {"days", "5"},
        {"lastday", QString::number(lastday)}, {"swater", QString::number(swater)},
        {"smode", "1"}, {"sei", "2"}, {"seiword", "1"}};
    for (const auto& [key, value] : plant)
        settings.setValue(QString::fromLatin1(key), value);
    settings.endGroup();
    settings.sync();
}


// One run of the game as its own process.
class Run
{
public:
    explicit Run(const QString& program, QStringList args = {},
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        process.setProcessEnvironment(environment);
        process.setProgram(program);
        process.setArguments(args);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start();
    }
    ~Run()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    /* waits until the game prints a line that starts with prefix; returns that line */
    QString waitForLine(const QString& prefix, int timeoutMs = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            while (process.canReadLine()) {
                const QString line = QString::fromUtf8(process.readLine()).trimmed();
                seen.append(line);
                if (line.startsWith(prefix))
                    return line;
            }
            if (process.state() == QProcess::NotRunning && !process.canReadLine())
                return {};
            process.waitForReadyRead(100);
        }
        return {};
    }

    bool finishes(int timeoutMs = 20000) { return process.waitForFinished(timeoutMs); }
    int exitCode() const { return process.exitCode(); }
    bool running() const { return process.state() == QProcess::Running; }
    void signal(int number) { ::kill(static_cast<pid_t>(process.processId()), number); }
    QString errors() { return QString::fromUtf8(process.readAllStandardError()); }
    QString output()
    {
        seen.append(QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')));
        return seen.join(QLatin1Char('\n'));
    }

    QProcess process;
    QStringList seen;
};

QString configFolder() { return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/morvick"); }
QString lockFile() { return configFolder() + QStringLiteral("/morvick.lock"); }

// The test's environment with other folders for some variables.
QProcessEnvironment environmentWith(const QList<std::pair<QString, QString>>& changes)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : changes)
        environment.insert(name, value);
    return environment;
}

/* a fresh private runtime folder */
QString newRuntimeFolder(const QTemporaryDir& base, const QString& name)
{
    const QString folder = base.filePath(name);
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
    return folder;
}

const QStringList tenKeys{"ai", "bcolor", "days", "lastday", "sacce1", "sacce2", "sacce3",
                          "sacce4", "seiword", "swater"};
const QStringList nineKeys{"days", "lastday", "sei", "seiword", "smode", "sname", "sshape1",
                           "sshape2", "swater"};
} // namespace

class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    void init() { clearStore(); }

    void aSecondStartEndsSilentlyWhileTheGameRuns()
    {
        QFile::remove(lockFile()); // no game runs yet
        Run first(QStringLiteral(MORVICK_GAME));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile()), 20000); // the first game holds its lock
        QTest::qWait(300);
        QVERIFY(first.running());

        Run second(QStringLiteral(MORVICK_GAME));
        QVERIFY(second.finishes(10000));
        QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(first.running());
    }

    void sigtermSavesThePlantLikeClosingTheWindow()
    {
        storePlant(9, todayNumber - 1);
        Run game(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY(!game.waitForLine(QStringLiteral("shown mainform")).isEmpty());
        game.signal(SIGTERM);
        QVERIFY(game.finishes());
        QCOMPARE(game.exitCode(), 0);
        QStringList expected = tenKeys + nineKeys;
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(storedKeys(), expected);
        QCOMPARE(storedText("days"), QStringLiteral("6"));
        QCOMPARE(storedText("swater"), QStringLiteral("6"));
        QCOMPARE(storedText("lastday"), QString::number(todayNumber));
    }

    // A signal does what the window on screen offers as its way out.
    void aSignalLeavesWhatTheWindowOnScreenWouldLeave_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("plantStored");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("keysAfter");
        const QStringList nothing;
        const QStringList menuSetup{"--trigger", "mainform:mnew"};
        QStringList everything = tenKeys + nineKeys;
        everything.removeDuplicates();
        everything.sort();
        QTest::newRow("SIGHUP, first setup: END") << int(SIGHUP) << false << nothing << "firstform" << nothing;
        QTest::newRow("SIGINT, first setup: END") << int(SIGINT) << false << nothing << "firstform" << nothing;
        QTest::newRow("SIGTERM, setup from the menu: the old plant stays")
            << int(SIGTERM) << true << menuSetup << "firstform" << everything;
        QTest::newRow("SIGKILL, setup from the menu: the old plant stays")
            << int(SIGKILL) << true << menuSetup << "firstform" << nineKeys;
    }
    void aSignalLeavesWhatTheWindowOnScreenWouldLeave()
    {
        QFETCH(int, signal);
        QFETCH(bool, plantStored);
        QFETCH(QStringList, steps);
        QFETCH(QString, window);
        QFETCH(QStringList, keysAfter);
        if (plantStored)
            storePlant(9, todayNumber, QStringLiteral("old"));
        Run game(QStringLiteral(MORVICK_HARNESS), QStringList{"--today", today} + steps);
        QVERIFY(!game.waitForLine(QStringLiteral("shown ") + window).isEmpty());
        game.signal(signal);
        QVERIFY(game.finishes());
        QCOMPARE(storedKeys(), keysAfter);
        if (plantStored) {
            QCOMPARE(storedText("sname"), QStringLiteral("old"));
            QCOMPARE(storedText("smode"), QStringLiteral("1"));
        }
    }

    void aNameThatLooksLikeMarkupIsOnlyText()
    {
        // Read as markup, the name would make every drawing of it open the FIFO and wait.
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        storePlant(9, todayNumber, QStringLiteral("<img src=\"%1\">").arg(fifo));
        Run game(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY(!game.waitForLine(QStringLiteral("shown mainform")).isEmpty());
        QTest::qWait(300);
        game.signal(SIGTERM);
        QVERIFY(game.finishes(5000));
        QCOMPARE(storedText("ai"), QStringLiteral("0"));
    }

    void gamesOfOneUserInTwoSessionsShareOneLock()
    {
        storePlant(9, todayNumber);
        QTemporaryDir runtimes;
        Run first(QStringLiteral(MORVICK_HARNESS), {"--today", today},
                  environmentWith({{"XDG_RUNTIME_DIR", newRuntimeFolder(runtimes, "a")}}));
        QVERIFY(!first.waitForLine(QStringLiteral("shown mainform")).isEmpty());
        Run second(QStringLiteral(MORVICK_HARNESS), {"--today", today},
                   environmentWith({{"XDG_RUNTIME_DIR", newRuntimeFolder(runtimes, "b")}}));
        QVERIFY(second.finishes());
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!second.output().contains(QStringLiteral("shown")));
        QVERIFY(first.running());
    }

    // A folder that cannot hold the lock is no running game.
    void aLockThatCannotBeMadeIsNoReasonNotToStart_data()
    {
        QTest::addColumn<bool>("runtimeBlockedToo");
        QTest::newRow("beside the store") << false;
        QTest::newRow("beside the store and in the runtime folder") << true;
    }
    void aLockThatCannotBeMadeIsNoReasonNotToStart()
    {
        QFETCH(bool, runtimeBlockedToo);
        storePlant(9, todayNumber);
        QTemporaryDir runtimes;
        const QString runtime = newRuntimeFolder(runtimes, "r");
        QFile::remove(lockFile());
        QVERIFY(QDir().mkpath(lockFile())); // a folder where the lock file would go
        if (runtimeBlockedToo)
            QVERIFY(QDir().mkpath(runtime + QStringLiteral("/morvick.lock")));
        Run game(QStringLiteral(MORVICK_HARNESS), {"--today", today},
                 environmentWith({{"XDG_RUNTIME_DIR", runtime}}));
        QVERIFY(!game.waitForLine(QStringLiteral("shown mainform")).isEmpty());
        QCOMPARE(game.errors().contains(QStringLiteral("lock")), runtimeBlockedToo);
        game.signal(SIGTERM);
        QVERIFY(game.finishes());
        QDir(lockFile()).removeRecursively();
    }

    void theHelpViewerLeavesNoFileBehind()
    {
        storePlant(9, todayNumber);
        QTemporaryDir temporary;
        Run game(QStringLiteral(MORVICK_HARNESS),
                 {"--today", today, "--trigger", "mainform:mhepl1"},
                 environmentWith({{"TMPDIR", temporary.path()}}));
        QVERIFY(!game.waitForLine(QStringLiteral("shown helpwindow")).isEmpty());
        QVERIFY(!QDir(temporary.path()).isEmpty()); // the viewer works in it
        game.signal(SIGTERM);
        QVERIFY(game.finishes());
        QVERIFY(QDir(temporary.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void aSaveThatFailsOnTheWayOutIsReported()
    {
        storePlant(9, todayNumber);
        Run game(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY(!game.waitForLine(QStringLiteral("shown mainform")).isEmpty());
        // The settings file replaced by a folder: nothing can be written there now.
        const QString file = configFolder() + QStringLiteral("/morvick.conf");
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file));
        game.signal(SIGTERM);
        QVERIFY(game.finishes());
        QCOMPARE(game.exitCode(), 1);
        QVERIFY2(game.errors().contains(file), "the message names the file");
        QDir(file).removeRecursively();
    }

    void aLockLeftByAKilledGameDoesNotBlock()
    {
        storePlant(9, todayNumber);
        {
            Run killed(QStringLiteral(MORVICK_HARNESS), {"--today", today});
            QVERIFY(!killed.waitForLine(QStringLiteral("shown mainform")).isEmpty());
            killed.signal(SIGKILL);
            QVERIFY(killed.finishes());
        }
        Run next(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY2(!next.waitForLine(QStringLiteral("shown mainform")).isEmpty(), qPrintable(next.output()));
    }

    void twoStartsAtOnceLeaveOneGame()
    {
        storePlant(9, todayNumber);
        Run a(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        Run b(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY(a.process.waitForStarted() && b.process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!a.running() || !b.running(), 20000);
        QTest::qWait(500);
        QCOMPARE(int(a.running()) + int(b.running()), 1);
        Run& loser = a.running() ? b : a;
        QCOMPARE(loser.exitCode(), 0);
        QVERIFY(!loser.output().contains(QStringLiteral("shown")));
    }

    void firstStartOkStoresThePlantBeforeTheMainWindowShows()
    {
        Run game(QStringLiteral(MORVICK_HARNESS),
                 {"--today", today, "--type", "firstform:namebox:a", "--click", "firstform:okbutton"});
        QVERIFY(!game.waitForLine(QStringLiteral("shown firstform")).isEmpty());
        const QString shown = game.waitForLine(QStringLiteral("shown mainform"));
        QCOMPARE(shown, QStringLiteral("shown mainform keys=") + nineKeys.join(QLatin1Char(',')));
        QCOMPARE(storedText("sname"), QStringLiteral("a"));
        QCOMPARE(storedText("sshape1"), QStringLiteral("1"));
        QCOMPARE(storedText("sshape2"), QStringLiteral("1"));
        QCOMPARE(storedText("sei"), QStringLiteral("2"));
        QCOMPARE(storedText("seiword"), QStringLiteral("1"));
        QCOMPARE(storedText("days"), QStringLiteral("1"));
        QCOMPARE(storedText("swater"), QStringLiteral("3"));
        QCOMPARE(storedText("smode"), QStringLiteral("1"));
        QCOMPARE(storedText("lastday"), QString::number(todayNumber));
    }

    void firstStartEndLeavesTheStoreEmpty()
    {
        Run game(QStringLiteral(MORVICK_HARNESS),
                 {"--today", today, "--type", "firstform:namebox:a", "--click", "firstform:cancelbutton"});
        QVERIFY(game.finishes());
        QCOMPARE(game.exitCode(), 0);
        QVERIFY(!game.output().contains(QStringLiteral("shown mainform")));
        QVERIFY(storedKeys().isEmpty());
    }

    void endOfTheDriedUpWindowWipesThePlantBeforeTheMainWindowShows()
    {
        storePlant(-28, todayNumber - 1);
        Run game(QStringLiteral(MORVICK_HARNESS), {"--today", today, "--click", "overform2:Command1"});
        QVERIFY(game.finishes());
        QCOMPARE(game.exitCode(), 0);
        const QString output = game.output();
        QVERIFY2(output.contains(QStringLiteral("shown overform2")), qPrintable(output));
        QVERIFY(!output.contains(QStringLiteral("shown mainform")));
        QVERIFY(storedKeys().isEmpty());

        Run next(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY(!next.waitForLine(QStringLiteral("shown firstform")).isEmpty());
    }
};

MORVICK_TEST_MAIN(TestProcess)
#include "test_process.moc"
