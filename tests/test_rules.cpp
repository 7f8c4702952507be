// The rules of the game over the plant state, at the edges of their bands.
#include "rules/scene.h"
#include "rules/store.h"
#include "rules/talk.h"
#include "rules/touch.h"
#include "testenv.h"

namespace {
/* a draw that gives these u in turn (then 0.0), counting in *taken, from 0, how many were taken */
const auto drawsOf = [](const QList<double>& values, int* taken) -> Draw {
    return [values, taken] { return values.value((*taken)++); };
};
} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    // ai, seiword, sei, sshape1, sshape2, swater, smode, days, sacce1..4, then bcolor
    void storedTextsLoadAsTheirVariables_data()
    {
        QTest::addColumn<Texts>("stored");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("sname");
        QTest::addColumn<double>("lastday");
        QTest::newRow("bad texts fall back to the defaults")
            << textsOf("ai=x sei=99999 sshape2= sacce1=1.5 lastday=y bcolor=z")
            << QList<int>{0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 16744703} << "ザボン" << 0.0;
        QTest::newRow("after a picture path a bad text leaves the variable as it was")
            << textsOf("bmpdir=/p.png sei=x sshape2=y lastday=y ai=z")
            << QList<int>{0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 16744703} << "ザボン" << 7.0;
    }
    void storedTextsLoadAsTheirVariables()
    {
        QFETCH(Texts, stored);
        storeTexts(stored);
        PlantState s;
        s.lastday = 7, loadPlant(s, Store()); // a day of its own, kept or forgotten on a bad text
        const QList<int> numbers{s.ai,       s.seiword,  s.sei,   s.sshape1,  s.sshape2,
                                 s.swater,   s.smode,    s.days,  s.sacce[1], s.sacce[2],
                                 s.sacce[3], s.sacce[4], s.bcolor};
        QTEST(numbers, "numbers");
        QTEST(s.sname, "sname");
        QTEST(s.lastday, "lastday");
    }

    // Which keys each save writes is seen in the windows' tests.
    void whatIsStoredReadsBackAsItWas()
    {
        PlantState state;
        state.sname = QStringLiteral("a=b;[c]\n\"%1\" ,x");
        state.ai = -32768, state.ai -= 1;           // stays at the lowest it can hold
        state.lastday = 100000, state.sacce[2] = 1; // a day far ahead
        Store store;
        QVERIFY(savePlant(state, store, true) && savePlayState(state, store, 0x123456));
        PlantState back;
        loadPlant(back, Store());
        QCOMPARE(back.sname, state.sname);
        QCOMPARE(QList<int>({back.ai, back.bcolor, back.sacce[2]}),
                 QList<int>({-32768, 0x123456, 1}));
        QVERIFY(storedPairs().contains("lastday=100000"));
        QSettings().setValue("setting/sname", QStringList{"a", "b"}); // hand-edited as a, b
        loadPlant(back, Store());
        QCOMPARE(back.sname, "a, b");
        QVERIFY(deletePlant(store) && storedPairs().isEmpty());
    }

    // The lowest of N equally likely draws wins; N by affection, no draw at all below 0.
    void oddsGrowWithAffection_data()
    {
        QTest::addColumn<bool>("bloom");
        QTest::addColumn<int>("ai");
        QTest::addColumn<int>("odds");
        QTest::newRow("bloom at -1: never") << true << -1 << 0;
        QTest::newRow("bloom at 0") << true << 0 << 20;
        QTest::newRow("bloom at 9") << true << 9 << 20;
        QTest::newRow("bloom at 10") << true << 10 << 10;
        QTest::newRow("bloom at 29") << true << 29 << 10;
        QTest::newRow("bloom at 30") << true << 30 << 5;
        QTest::newRow("answer, -11 becomes -10: never") << false << -11 << 0;
        QTest::newRow("answer, -1 becomes 0") << false << -1 << 10;
        QTest::newRow("answer, 8 becomes 9") << false << 8 << 10;
        QTest::newRow("answer, 9 becomes 10") << false << 9 << 5;
        QTest::newRow("answer, 28 becomes 29") << false << 28 << 5;
        QTest::newRow("answer, 29 becomes 30") << false << 29 << 3;
    }
    void oddsGrowWithAffection()
    {
        QFETCH(bool, bloom);
        QFETCH(int, ai);
        QFETCH(int, odds);
        int aiAfter = 0;
        const auto wins = [&](double u, int* taken) {
            PlantState state;
            state.ai = ai;
            const bool won = bloom ? planScene(state, drawsOf({u}, taken)).blooms
                                   : plantAnswers(state, drawsOf({u}, taken));
            aiAfter = state.ai;
            return won;
        };
        int taken = 0, unused = 0;
        QCOMPARE(wins(0.999 / qMax(odds, 1), &taken), odds > 0);
        QCOMPARE(taken, odds > 0 ? 1 : 0);
        QVERIFY(!wins(1.0 / qMax(odds, 1), &unused));
        QCOMPARE(aiAfter, bloom ? ai : ai + 1);
    }

    void theShapeGrowsOnTheSixtyFirstAndTheHundredAndTwentyFirstDay()
    {
        const QList<int> at{growthStage(60), growthStage(61), growthStage(120), growthStage(121)};
        QCOMPARE(at, QList<int>({1, 2, 2, 3}));
    }

    // Which remark each draw gives is seen in the windows' tests.
    void aTouchRaisesAffectionUpToItsLimitAndDrawsARemark()
    {
        PlantState state;
        state.ai = 32766;
        int taken = 0;
        const Draw draws = drawsOf({drawFor(8, 10), drawFor(9, 10)}, &taken);
        state.sei = 1;
        QCOMPARE(touch(state, draws), touchRemark(8, 1));
        QCOMPARE(touch(state, draws), "照れてそっぽを向いています");
        QCOMPARE(QList<int>({state.ai, taken}), QList<int>({32767, 2}));
        QCOMPARE(touchRemark(9, 3), "潤んだ瞳で見つめています"); // any sei but 1: a female
    }

    // Greetings by the hour's band, one draw per sentence in the owner's speech,
    // and answers that differ by sex only at 3 and 7.
    void talkFollowsTheHourTheDrawsAndTheSpeech()
    {
        const int bands[][2] = {{6, 10}, {11, 17}, {18, 22}, {23, 5}};
        for (const auto& band : bands) {
            QCOMPARE(greeting(band[0]), greeting(band[1]));
            QVERIFY(greeting(band[1]) != greeting((band[1] + 1) % 24));
        }
        PlantState state;
        state.sname = QStringLiteral("%1&名");
        state.shour = 12, state.seiword = 7; // any speech but 2 is the plain one
        int taken = 0;
        const auto said =
            talkSentences(state, drawsOf({drawFor(1, 3), drawFor(2, 3), drawFor(3, 3)}, &taken));
        QCOMPARE(taken, 3);
        QCOMPARE(said, (std::array<QString, 4>{greeting(12), talkSentence(1, 1, 1),
                                               talkSentence(2, 2, 1), talkSentence(3, 3, 1)}));
        QVERIFY(talkSentence(3, 3, 1) != talkSentence(3, 3, 2));
        QVERIFY(withName(talkSentence(1, 1, 2), state.sname).startsWith(state.sname));
        QVERIFY(withName(talkSentence(2, 1, 2), state.sname).startsWith("ねぇ" + state.sname));
        QSet<QString> lines;
        for (int draw = 1; draw <= 10; ++draw) {
            lines.insert(reactionLine(draw, 2));
            QCOMPARE(reactionLine(draw, 1) != reactionLine(draw, 2), draw == 3 || draw == 7);
            QCOMPARE(reactionLine(draw, 5), reactionLine(draw, 2));
        }
        QCOMPARE(lines.size(), 10);
    }
};

MORVICK_TEST_MAIN(QGuiApplication, TestRules)
#include "test_rules.moc"
