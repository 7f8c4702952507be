// The rules of the game over the plant state, at the edges of their bands.
#include "rules/accessories.h"
#include "rules/dailycheck.h"
#include "rules/scene.h"
#include "rules/store.h"
#include "rules/talk.h"
#include "rules/touch.h"
#include "rules/water.h"
#include "testenv.h"

namespace {
using Texts = QList<std::pair<QString, QString>>;

/* a draw that gives these u in turn and counts how many were taken */
Draw drawsOf(std::deque<double> values, int* taken)
{
    return [values, taken]() mutable {
        ++*taken;
        const double u = values.empty() ? 0.0 : values.front();
        if (!values.empty())
            values.pop_front();
        return u;
    };
}

PlantState loaded(const Texts& texts)
{
    storeTexts(texts);
    PlantState state;
    loadPlant(state, Store());
    return state;
}
} // namespace

Q_DECLARE_METATYPE(Texts)

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
        // clang-format off
        QTest::newRow("empty store: the defaults") << Texts{} << QList<int>{0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 16744703} << "ザボン" << 0.0;
        QTest::newRow("stored values")
            << Texts{{"ai", "-3"}, {"seiword", "2"}, {"sei", "2"}, {"sshape1", "2"}, {"sshape2", "3"}, {"swater", "-12"}, {"smode", "1"}, {"days", "7"},
                     {"sacce1", "1"}, {"sacce2", "1"}, {"sacce3", "1"}, {"sacce4", "2"}, {"bcolor", "255"}, {"sname", "x"}, {"lastday", "46362"}}
            << QList<int>{-3, 2, 2, 2, 3, -12, 1, 7, 1, 1, 1, 2, 255} << "x" << 46362.0;
        QTest::newRow("bad texts fall back to the defaults")
            << Texts{{"ai", "x"}, {"sei", "99999"}, {"sshape2", ""}, {"sacce1", "1.5"}, {"lastday", "y"}, {"bcolor", "z"}}
            << QList<int>{0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 16744703} << "ザボン" << 0.0;
        QTest::newRow("after a picture path a bad text leaves the variable as it was")
            << Texts{{"bmpdir", "/p.png"}, {"sei", "x"}, {"sshape2", "y"}, {"lastday", "y"}, {"ai", "z"}}
            << QList<int>{0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 16744703} << "ザボン" << 0.0;
        // clang-format on
    }
    void storedTextsLoadAsTheirVariables()
    {
        QFETCH(Texts, stored);
        const PlantState s = loaded(stored);
        const QList<int> numbers{s.ai,       s.seiword,  s.sei,   s.sshape1,  s.sshape2,
                                 s.swater,   s.smode,    s.days,  s.sacce[1], s.sacce[2],
                                 s.sacce[3], s.sacce[4], s.bcolor};
        QTEST(numbers, "numbers");
        QTEST(s.sname, "sname");
        QTEST(s.lastday, "lastday");
    }

    void eachWriterStoresItsOwnKeys_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<QStringList>("keys");
        const QStringList nine{"days",  "lastday", "sei",     "seiword", "smode",
                               "sname", "sshape1", "sshape2", "swater"};
        QTest::newRow("quitting: the ten keys of play")
            << 0 << QStringList{"ai",     "bcolor", "days", "lastday", "sacce1", "sacce2",
                                "sacce3", "sacce4", "old",  "seiword", "swater"};
        QTest::newRow("a first plant") << 1 << nine + QStringList{"old"};
        QTest::newRow("a new plant in the old one's place") << 2 << nine;
        QTest::newRow("the pot") << 3 << QStringList{"old", "sshape2"};
        QTest::newRow("the picture") << 4 << QStringList{"bmpdir", "old"};
        QTest::newRow("the plant gone") << 5 << QStringList{};
        QTest::newRow("the picture forgotten") << 6 << QStringList{"old"};
    }
    void eachWriterStoresItsOwnKeys()
    {
        QFETCH(int, writer);
        QFETCH(QStringList, keys);
        storeTexts({{"old", "1"}});
        PlantState state;
        state.sname = QStringLiteral("a=b;[c]\n\"%1\" ,x");
        state.ai = -32768;
        state.ai -= 1;
        state.lastday = 46362;
        state.sacce[2] = 1;
        Store store;
        const std::function<bool()> writers[] = {
            [&] { return savePlayState(state, store, 0x123456); },
            [&] { return savePlant(state, store, false); },
            [&] { return savePlant(state, store, true); },
            [&] { return savePot(state, store); },
            [&] { return saveBmpdir(state, store); },
            [&] { return deletePlant(store); },
            [&] { return saveBmpdir(state, store) && forgetBmpdir(store); }};
        QVERIFY(writers[writer]());
        keys.sort();
        QCOMPARE(storedKeys(), keys);
        // What was written reads back as it was.
        PlantState back;
        loadPlant(back, Store());
        if (keys.contains("sname"))
            QCOMPARE(back.sname, state.sname);
        if (keys.contains("ai"))
            QCOMPARE(QList<int>({back.ai, back.bcolor, back.sacce[2]}),
                     QList<int>({-32768, 0x123456, 1}));
        if (keys.contains("lastday"))
            QCOMPARE(storedText("lastday"), QStringLiteral("46362"));
        QCOMPARE(dayText(46362.5), QStringLiteral("46362.5"));
    }

    void theDailyCheckAgesDrainsAndPunishes_data()
    {
        QTest::addColumn<int>("away");
        QTest::addColumn<int>("ai");
        QTest::addColumn<int>("swater");
        QTest::addColumn<int>("aiAfter");
        QTest::addColumn<int>("daysAfter");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("driedUp");
        // clang-format off
        QTest::newRow("same day") << 0 << 5 << 3 << 5 << 10 << "" << false;
        QTest::newRow("two days: no punishment") << 2 << 5 << 3 << 5 << 12 << "" << false;
        QTest::newRow("three days: lonely at 0") << 3 << 10 << 3 << 0 << 13 << "名は、あなたがかまってあげなかったので寂しがっています" << false;
        QTest::newRow("three days: bad mood at -1") << 3 << 9 << 3 << -1 << 13 << "名は、すっかりご機嫌斜めです" << false;
        QTest::newRow("clock set back") << -5 << 5 << 3 << 5 << 5 << "" << false;
        QTest::newRow("-27 lives at -30") << 1 << 5 << -27 << 5 << 11 << "" << false;
        QTest::newRow("-28 dries up at -31") << 1 << 5 << -28 << 5 << 11 << "" << true;
        QTest::newRow("a clock decades away holds the age") << 40000 << 0 << 3 << -10 << 32767 << "名は、すっかりご機嫌斜めです" << false;
        // clang-format on
    }
    void theDailyCheckAgesDrainsAndPunishes()
    {
        QFETCH(int, away);
        QFETCH(int, ai);
        QFETCH(int, swater);
        PlantState state;
        state.sname = QStringLiteral("名");
        state.ai = ai;
        state.swater = swater;
        state.days = 10;
        state.lastday = todayNumber - away;
        const DailyCheckOutcome outcome = dailyCheck(state, todayNumber);
        QTEST(int(state.ai), "aiAfter");
        QTEST(int(state.days), "daysAfter");
        QCOMPARE(int(state.swater), swater - 3);
        QCOMPARE(state.lastday, todayNumber);
        QTEST(outcome.message, "message");
        QTEST(outcome.driedUp, "driedUp");
        QCOMPARE(dayNumber(QDate(1899, 12, 31)), 1.0);
    }

    void theSceneFollowsShapeAgeAndPot_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("pot");
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QList<int>>(
            "places"); /* okan top, hana left and top, ribon top, pale top */
        QTest::addColumn<QString>("potPicture");
        // clang-format off
        QTest::newRow("round, day 60") << 1 << 60 << 1 << "morvick1" << QList<int>{150, 240, 360, 720, 900} << "tubo1";
        QTest::newRow("round, day 61") << 1 << 61 << 2 << "morvick12" << QList<int>{150, 240, 360, 720, 900} << "tubo2";
        QTest::newRow("tall, day 120") << 2 << 120 << 3 << "morvick22" << QList<int>{120, 360, 480, 840, 510} << "tubo3";
        QTest::newRow("tall, day 121") << 2 << 121 << 0 << "morvick23" << QList<int>{120, 360, 480, 840, 510} << "";
        QTest::newRow("tall, a negative age") << 2 << -5 << 4 << "morvick2" << QList<int>{120, 360, 480, 840, 510} << "";
        QTest::newRow("an unknown shape keeps all") << 3 << 200 << 1 << "" << QList<int>{} << "tubo1";
        // clang-format on
    }
    void theSceneFollowsShapeAgeAndPot()
    {
        QFETCH(int, shape);
        QFETCH(int, days);
        QFETCH(int, pot);
        QFETCH(QString, plant);
        PlantState state;
        state.sshape1 = shape;
        state.days = days;
        state.sshape2 = pot;
        state.ai = -1;
        int taken = 0;
        const ScenePlan plan = planScene(state, drawsOf({}, &taken));
        QCOMPARE(plan.shape ? plan.shape->picture : QString(), plant);
        const AccessoryPlaces at = plan.shape ? plan.shape->places : AccessoryPlaces{};
        const QList<int> places{at.okanTop, at.hanaLeft, at.hanaTop, at.ribonTop, at.paleTop};
        QTEST(plan.shape ? places : QList<int>{}, "places");
        QTEST(plan.pot, "potPicture");
        QCOMPARE(plan.age, QString::number(days));
        QCOMPARE(taken, 0);
    }

    // The lowest of N equally likely draws wins; N by affection, no draw at all below 0.
    void oddsGrowWithAffection_data()
    {
        QTest::addColumn<bool>("bloom");
        QTest::addColumn<int>("ai");
        QTest::addColumn<int>("odds");
        // clang-format off
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
        // clang-format on
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

    void wateringByBand_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("aiChange");
        QTest::addColumn<int>("startBand"); /* the start-up band with the same line, or 99 */
        // clang-format off
        QTest::newRow("-13 to -11") << -13 << 1 << -11;
        QTest::newRow("-12 to -10") << -12 << 1 << -10;
        QTest::newRow("-2 to 0") << -2 << 1 << 99;
        QTest::newRow("17 to 19") << 17 << 1 << 99;
        QTest::newRow("18 to 20") << 18 << -1 << 30;
        QTest::newRow("22 to 24") << 22 << -1 << 30;
        QTest::newRow("23 to 25: rotted") << 23 << 0 << 0;
        // clang-format on
    }
    void wateringByBand()
    {
        QFETCH(int, before);
        QFETCH(int, startBand);
        PlantState state;
        state.swater = before;
        state.ai = 7;
        const WateringOutcome outcome = water(state);
        QCOMPARE(int(state.swater), before + 2);
        QTEST(state.ai - 7, "aiChange");
        QCOMPARE(bool(outcome.status), startBand != 0);
        if (startBand == 99)
            QCOMPARE(outcome.status->message,
                     QStringLiteral("水をかけてもらって気持ちよさそうです"));
        else if (startBand != 0)
            QCOMPARE(outcome.status->message, waterStatusAtStart(startBand).message);
        if (outcome.status)
            QCOMPARE(outcome.status->info,
                     waterStatusAtStart(startBand == 99 ? 0 : startBand).info);
    }

    void aTouchRaisesAffectionUpToItsLimitAndDrawsARemark()
    {
        PlantState state;
        state.ai = 32760;
        QSet<QString> remarks;
        for (int n = 1; n <= 10; ++n) {
            int taken = 0;
            remarks.insert(touch(state, drawsOf({drawFor(n, 10)}, &taken)));
            QCOMPARE(taken, 1);
        }
        QCOMPARE(int(state.ai), 32767);
        QCOMPARE(remarks.size(), 4); // 1-7, 8, 9, 10
        QCOMPARE(touchRemark(7, 2), touchRemark(1, 1));
        QVERIFY(touchRemark(9, 1) != touchRemark(9, 2) && touchRemark(9, 2) == touchRemark(9, 3));
        QVERIFY(touchRemark(8, 2) != touchRemark(7, 2) && touchRemark(10, 2) != touchRemark(9, 2));
    }

    // Greetings by the hour's band, one draw per sentence in the owner's speech,
    // and answers that differ by sex only at 3 and 7.
    void talkFollowsTheHourTheDrawsAndTheSpeech()
    {
        PlantState state;
        state.sname = QStringLiteral("%1&名");
        const int bands[][2] = {{6, 10}, {11, 17}, {18, 22}, {23, 5}};
        for (const auto& band : bands) {
            QCOMPARE(greeting(band[0], state.sname), greeting(band[1], state.sname));
            QVERIFY(greeting(band[1], state.sname) != greeting((band[1] + 1) % 24, state.sname));
        }
        QCOMPARE(greeting(7, QStringLiteral("ザボン")), QStringLiteral("おはよう、ザボン"));

        state.shour = 12;
        int taken = 0;
        const auto said =
            talkSentences(state, drawsOf({drawFor(1, 3), drawFor(2, 3), drawFor(3, 3)}, &taken));
        QCOMPARE(taken, 3);
        QCOMPARE(said[0], greeting(12, state.sname));
        for (int button = 1; button <= 3; ++button) {
            QCOMPARE(said[button], talkSentence(button, button, 1, state.sname));
            QSet<QString> byDraw;
            for (int draw = 1; draw <= 3; ++draw) {
                const QString masculine = talkSentence(button, draw, 1, state.sname);
                byDraw.insert(masculine);
                QVERIFY(talkSentence(button, draw, 2, state.sname) != masculine);
                QCOMPARE(talkSentence(button, draw, 7, state.sname), masculine);
            }
            QCOMPARE(byDraw.size(), 3);
        }
        QVERIFY(talkSentence(1, 1, 2, state.sname).startsWith(state.sname));
        QVERIFY(talkSentence(2, 1, 2, state.sname).startsWith("ねぇ" + state.sname));

        QSet<QString> lines;
        for (int draw = 1; draw <= 10; ++draw) {
            lines.insert(reactionLine(draw, 2));
            QCOMPARE(reactionLine(draw, 1) != reactionLine(draw, 2), draw == 3 || draw == 7);
            QCOMPARE(reactionLine(draw, 5), reactionLine(draw, 2));
        }
        QCOMPARE(lines.size(), 10);
    }

    void accessoriesFollowTheTicks_data()
    {
        QTest::addColumn<Slots>("ticked");
        QTest::addColumn<int>("remarkOf"); /* the slot whose remark is left; 0 none, 5 all four */
        QTest::newRow("none") << Slots{false, false, false, false} << 0;
        QTest::newRow("crown") << Slots{true, false, false, false} << 1;
        QTest::newRow("bow") << Slots{false, true, false, false} << 2;
        QTest::newRow("crown and brooch") << Slots{true, false, true, false} << 3;
        QTest::newRow("necklace") << Slots{false, false, false, true} << 4;
        QTest::newRow("all four") << Slots{true, true, true, true} << 5;
    }
    void accessoriesFollowTheTicks()
    {
        QFETCH(Slots, ticked);
        QFETCH(int, remarkOf);
        PlantState state;
        state.sacce = {0, 1, 1, 7, 1};
        const AccessoryOutcome outcome = wearAccessories(state, ticked);
        QCOMPARE(int(state.ai), 1);
        QCOMPARE(wornSlots(state), ticked);
        for (int slot = 1; slot <= accessorySlots; ++slot)
            QCOMPARE(int(state.sacce[slot]), ticked[slot - 1] ? 1 : 0);
        const QString expected =
            remarkOf == 5 ? QStringLiteral("ちょっと重たそうです") : accessoryRemark(remarkOf);
        QCOMPARE(outcome.message.value_or(QString()), remarkOf ? expected : QString());
        QVERIFY(remarkOf == 0 || !expected.isEmpty());
    }
};

MORVICK_TEST_MAIN(TestRules)
#include "test_rules.moc"
