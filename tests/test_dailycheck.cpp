#include "core/dailycheck.h"

#include <QtTest>

namespace {
const QString lonely = QStringLiteral("は、あなたがかまってあげなかったので寂しがっています");
const QString badMood = QStringLiteral("は、すっかりご機嫌斜めです");
constexpr double lastCheck = 46000;
} // namespace

class TestDailyCheck : public QObject
{
    Q_OBJECT
private slots:
    void agingAndAbsence_data()
    {
        QTest::addColumn<double>("today");
        QTest::addColumn<int>("aiBefore");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("ai");
        QTest::addColumn<QString>("message");
        QTest::newRow("same day") << lastCheck << 5 << 10 << 5 << QString();
        QTest::newRow("next day") << lastCheck + 1 << 5 << 11 << 5 << QString();
        QTest::newRow("two days is no absence") << lastCheck + 2 << 5 << 12 << 5 << QString();
        QTest::newRow("three days, ai 10 -> lonely")
            << lastCheck + 3 << 10 << 13 << 0 << QString(QStringLiteral("ザボン") + lonely);
        QTest::newRow("three days, ai 9 -> bad mood")
            << lastCheck + 3 << 9 << 13 << -1 << QString(QStringLiteral("ザボン") + badMood);
        QTest::newRow("clock set back five days") << lastCheck - 5 << 5 << 5 << 5 << QString();
        QTest::newRow("clock years ahead saturates")
            << lastCheck + 100000 << 5 << 32767 << -5 << QString(QStringLiteral("ザボン") + badMood);
        QTest::newRow("clock years back saturates") << lastCheck - 100000 << 5 << -32768 << 5 << QString();
    }
    void agingAndAbsence()
    {
        QFETCH(double, today);
        QFETCH(int, aiBefore);
        QFETCH(int, days);
        QFETCH(int, ai);
        QFETCH(QString, message);
        PlantState state;
        state.sname = QStringLiteral("ザボン");
        state.days = 10;
        state.lastday = lastCheck;
        state.ai = aiBefore;
        state.swater = 3;
        const DailyCheckOutcome outcome = dailyCheck(state, today);
        QCOMPARE(int(state.days), days);
        QCOMPARE(int(state.ai), ai);
        QCOMPARE(outcome.message, message);
        QCOMPARE(state.lastday, today);
        QCOMPARE(int(state.swater), 0);
    }

    void theWaterDrainsOncePerStart_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("driedUp");
        QTest::newRow("-27 lives at -30") << -27 << false;
        QTest::newRow("-28 dies at -31") << -28 << true;
        QTest::newRow("bottom of the range") << -32768 << true;
    }
    void theWaterDrainsOncePerStart()
    {
        QFETCH(int, before);
        QFETCH(bool, driedUp);
        PlantState state;
        state.swater = before;
        state.lastday = lastCheck;
        QCOMPARE(dailyCheck(state, lastCheck + 40).driedUp, driedUp);
        QCOMPARE(int(state.swater), std::max(before - 3, -32768));
    }

    void aNeverWateredPlantDriesAtTheTwelfthStart()
    {
        PlantState state;
        state.swater = 3;
        state.lastday = lastCheck;
        for (int start = 1; start <= 11; ++start)
            QVERIFY2(!dailyCheck(state, lastCheck + start).driedUp, qPrintable(QString::number(start)));
        QVERIFY(dailyCheck(state, lastCheck + 12).driedUp);
        QCOMPARE(int(state.swater), -33);
    }

    void theNameIsJoinedAsItIs()
    {
        PlantState state;
        state.sname = QStringLiteral(" 花子 ");
        state.lastday = lastCheck;
        QCOMPARE(dailyCheck(state, lastCheck + 9).message, QStringLiteral(" 花子 ") + badMood);
    }
};

QTEST_APPLESS_MAIN(TestDailyCheck)
#include "test_dailycheck.moc"
