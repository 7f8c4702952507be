#include "view/display.h"
#include "view/touch.h"

#include <QtTest>

class TestDisplay : public QObject
{
    Q_OBJECT
private slots:
    void growthStagesByAge_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("stage");
        for (const auto& [days, stage] : {std::pair{-5, 1}, {0, 1}, {1, 1}, {60, 1}, {61, 2},
                                          {120, 2}, {121, 3}, {32767, 3}})
            QTest::addRow("%d days", days) << days << stage;
    }
    void growthStagesByAge()
    {
        QFETCH(int, days);
        QFETCH(int, stage);
        QCOMPARE(growthStage(days), stage);
    }

    void plantPicturesByShapeAndStage()
    {
        QCOMPARE(plantPictureName(1, 1), QStringLiteral("morvick1"));
        QCOMPARE(plantPictureName(1, 2), QStringLiteral("morvick12"));
        QCOMPARE(plantPictureName(1, 3), QStringLiteral("morvick13"));
        QCOMPARE(plantPictureName(2, 1), QStringLiteral("morvick2"));
        QCOMPARE(plantPictureName(2, 3), QStringLiteral("morvick23"));
        QVERIFY(plantPictureName(0, 1).isEmpty());
        QVERIFY(plantPictureName(3, 2).isEmpty());
    }

    void potsByKind()
    {
        QCOMPARE(potPictureName(1), QStringLiteral("tubo1"));
        QCOMPARE(potPictureName(3), QStringLiteral("tubo3"));
        QVERIFY(potPictureName(0).isEmpty());
        QVERIFY(potPictureName(7).isEmpty());
    }

    void waterBandsAtStart_data()
    {
        QTest::addColumn<int>("swater");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        const QString keep = QStringLiteral("(kept)");
        QTest::newRow("-11") << -11 << "水分が非常に不足しています" << "乾いて、苦しそうです";
        QTest::newRow("-10") << -10 << "水分が不足しています" << "喉が渇いているようです";
        QTest::newRow("-1") << -1 << "水分が不足しています" << "喉が渇いているようです";
        QTest::newRow("0") << 0 << "元気です" << keep;
        QTest::newRow("29") << 29 << "元気です" << keep;
        QTest::newRow("30") << 30 << "水分が過剰です" << "顔色が悪く、元気がありません";
    }
    void waterBandsAtStart()
    {
        QFETCH(int, swater);
        QFETCH(QString, info);
        QFETCH(QString, message);
        const WaterStatusText status = waterStatusAtStart(swater);
        QCOMPARE(status.info, info);
        QCOMPARE(status.message.value_or(QStringLiteral("(kept)")), message);
    }

    void bloomOddsByAffection_data()
    {
        QTest::addColumn<int>("ai");
        QTest::addColumn<int>("odds");
        QTest::newRow("-1 never draws") << -1 << 0;
        QTest::newRow("0") << 0 << 20;
        QTest::newRow("9") << 9 << 20;
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("29") << 29 << 10;
        QTest::newRow("30") << 30 << 5;
    }
    void bloomOddsByAffection()
    {
        QFETCH(int, ai);
        QFETCH(int, odds);
        QCOMPARE(bloomOdds(ai), odds);
    }

    void accessoryPlacesPerShape()
    {
        const auto round = accessoryPlaces(1);
        QVERIFY(round);
        QCOMPARE((std::array{round->okanTop, round->hanaLeft, round->hanaTop, round->ribonTop, round->paleTop}),
                 (std::array{150, 240, 360, 720, 900}));
        const auto tall = accessoryPlaces(2);
        QVERIFY(tall);
        QCOMPARE((std::array{tall->okanTop, tall->hanaLeft, tall->hanaTop, tall->ribonTop, tall->paleTop}),
                 (std::array{120, 360, 480, 840, 510}));
        QVERIFY(!accessoryPlaces(0));
        QVERIFY(!accessoryPlaces(3));
    }

    void touchRemarks_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("sei");
        QTest::addColumn<QString>("remark");
        for (int draw = 1; draw <= 7; ++draw)
            QTest::addRow("draw %d", draw) << draw << 2 << "チクチクします";
        QTest::newRow("8") << 8 << 1 << "眠っているようです";
        QTest::newRow("9 male") << 9 << 1 << "照れてそっぽを向いています";
        QTest::newRow("9 female") << 9 << 2 << "潤んだ瞳で見つめています";
        QTest::newRow("9 other sex value") << 9 << 0 << "潤んだ瞳で見つめています";
        QTest::newRow("10") << 10 << 1 << "恥ずかしがっています";
    }
    void touchRemarks()
    {
        QFETCH(int, draw);
        QFETCH(int, sei);
        QFETCH(QString, remark);
        QCOMPARE(touchRemark(draw, sei), remark);
    }
};

QTEST_APPLESS_MAIN(TestDisplay)
#include "test_display.moc"
