#include "testenv.h"
#include "storedsettings.h"

#include <QProcess>
#include <QSettings>

#include <csignal>
#include <memory>

namespace {
const QString today = QStringLiteral("2026-12-06");
constexpr int todayNumber = 46362;



void storePlant(int swater, int lastday)
{
    QSettings settings;
    settings.clear();
    settings.beginGroup(QStringLiteral("setting"));
    const QList<std::pair<const char*, QString>> plant{
        {"sname", QStringLiteral("ザボン")}, {"sshape1", "1"}, {"sshape2", "1"}, {"days", "5"},
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
    explicit Run(const QString& program, QStringList args = {})
    {
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
    QString output()
    {
        seen.append(QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')));
        return seen.join(QLatin1Char('\n'));
    }

    QProcess process;
    QStringList seen;
};

QString lockFile() { return qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/morvick.lock"); }

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

    void sighupAndSigintSaveToo_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void sighupAndSigintSaveToo()
    {
        QFETCH(int, signal);
        Run game(QStringLiteral(MORVICK_HARNESS), {"--today", today});
        QVERIFY(!game.waitForLine(QStringLiteral("shown firstform")).isEmpty());
        game.signal(signal);
        QVERIFY(game.finishes());
        QCOMPARE(game.exitCode(), 0);
        QCOMPARE(storedKeys(), tenKeys);
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
