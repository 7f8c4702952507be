#include "core/mainform.h"
#include "core/random.h"
#include "fakesound.h"
#include "testenv.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QLabel>

namespace {
struct Scene {
    QString plant, pot;
    QRect okan, hana, ribon, pale;
};

Scene sceneOf(const MainForm& form)
{
    const PlantScene& s = *form.Picture1;
    return {s.sshape1->picture().name, s.sshape2->picture().name, s.okan->geometry(),
            s.hana0->geometry(), s.ribon->geometry(), s.pale0->geometry()};
}
} // namespace

class TestShowMorvick : public QObject
{
    Q_OBJECT
    FakeSound sound;
    int draws = 0;

    void drawAlways(double u)
    {
        setDrawSourceForTesting([this, u] {
            ++draws;
            return u;
        });
    }

private slots:
    void init()
    {
        morvick = {};
        morvick.sshape1 = 1;
        morvick.sshape2 = 1;
        morvick.sname = QStringLiteral("ザボン");
        morvick.bcolor = 16744703;
        draws = 0;
        drawAlways(0.99);
    }

    void plantPictureAndPlacesByShapeAndAge_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QRect>("hana");
        QTest::addColumn<QRect>("pale");
        const QRect roundHana(16, 24, 32, 32), tallHana(24, 32, 32, 32);
        const QRect roundPale(34, 60, 32, 32), tallPale(34, 34, 32, 32);
        QTest::newRow("round, -3 days") << 1 << -3 << "morvick1" << roundHana << roundPale;
        QTest::newRow("round, 60") << 1 << 60 << "morvick1" << roundHana << roundPale;
        QTest::newRow("round, 61") << 1 << 61 << "morvick12" << roundHana << roundPale;
        QTest::newRow("round, 121") << 1 << 121 << "morvick13" << roundHana << roundPale;
        QTest::newRow("tall, 0") << 2 << 0 << "morvick2" << tallHana << tallPale;
        QTest::newRow("tall, 120") << 2 << 120 << "morvick22" << tallHana << tallPale;
        QTest::newRow("tall, 121") << 2 << 121 << "morvick23" << tallHana << tallPale;
    }
    void plantPictureAndPlacesByShapeAndAge()
    {
        QFETCH(int, shape);
        QFETCH(int, days);
        QFETCH(QString, plant);
        QFETCH(QRect, hana);
        QFETCH(QRect, pale);
        morvick.sshape1 = shape;
        morvick.days = days;
        MainForm form(sound);
        form.showmorvick();
        const Scene scene = sceneOf(form);
        QCOMPARE(scene.plant, plant);
        QCOMPARE(scene.hana, hana);
        QCOMPARE(scene.pale, pale);
        QCOMPARE(scene.okan.left(), 35);
        QCOMPARE(scene.okan.top(), shape == 1 ? 10 : 8);
        QCOMPARE(scene.ribon.topLeft(), QPoint(33, shape == 1 ? 48 : 56));
    }

    void unknownShapesAndPotsLeaveTheirPictures_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("pot");
        QTest::newRow("shape 0, pot 0") << 0 << 0;
        QTest::newRow("shape 3, pot 7") << 3 << 7;
        QTest::newRow("shape -1, pot 4") << -1 << 4;
    }
    void unknownShapesAndPotsLeaveTheirPictures()
    {
        QFETCH(int, shape);
        QFETCH(int, pot);
        MainForm form(sound);
        const Scene before = sceneOf(form);
        morvick.sshape1 = shape;
        morvick.sshape2 = pot;
        morvick.sacce = {0, 1, 0, 0, 0};
        morvick.swater = -20;
        morvick.days = 200;
        form.showmorvick();
        const Scene after = sceneOf(form);
        QCOMPARE(after.plant, QStringLiteral("morvick2"));
        QCOMPARE(after.pot, QStringLiteral("tubo1"));
        QCOMPARE(after.okan, before.okan);
        QCOMPARE(after.hana, before.hana);
        // The rest is still brought up to date.
        QVERIFY(form.Picture1->okan->isVisibleTo(form.Picture1));
        QCOMPARE(form.agebox->text(), QStringLiteral("200"));
        QCOMPARE(form.infobox->text(), QStringLiteral("水分が非常に不足しています"));
    }

    void potPictures()
    {
        MainForm form(sound);
        for (int pot : {2, 3, 1}) {
            morvick.sshape2 = pot;
            form.showmorvick();
            QCOMPARE(form.Picture1->sshape2->picture().name, QStringLiteral("tubo%1").arg(pot));
        }
    }

    void onlyExactlyOneMeansWorn()
    {
        morvick.sacce = {0, 1, 2, 0, 1};
        MainForm form(sound);
        form.Picture1->ribon->show(); // never hidden by a redraw
        form.showmorvick();
        const PlantScene& s = *form.Picture1;
        QVERIFY(s.okan->isVisibleTo(&s));
        QVERIFY(s.ribon->isVisibleTo(&s));
        QVERIFY(!s.hana0->isVisibleTo(&s));
        QVERIFY(s.pale0->isVisibleTo(&s));
    }

    void theMessageLineIsLeftAloneOnlyWhenWell_data()
    {
        QTest::addColumn<int>("swater");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        QTest::newRow("-11") << -11 << "水分が非常に不足しています" << "乾いて、苦しそうです";
        QTest::newRow("-10") << -10 << "水分が不足しています" << "喉が渇いているようです";
        QTest::newRow("0") << 0 << "元気です" << "before";
        QTest::newRow("29") << 29 << "元気です" << "before";
        QTest::newRow("30") << 30 << "水分が過剰です" << "顔色が悪く、元気がありません";
    }
    void theMessageLineIsLeftAloneOnlyWhenWell()
    {
        QFETCH(int, swater);
        QFETCH(QString, info);
        QFETCH(QString, message);
        morvick.swater = swater;
        MainForm form(sound);
        form.smsgbox->setText(QStringLiteral("before"));
        form.showmorvick();
        QCOMPARE(form.infobox->text(), info);
        QCOMPARE(form.smsgbox->text(), message);
    }

    void nameAgeAndColour()
    {
        morvick.sname = QStringLiteral("  トゲ, \"丸\"");
        morvick.days = -4;
        morvick.bcolor = 0x00102030;
        MainForm form(sound);
        form.showmorvick();
        QCOMPARE(form.namebox->text(), QStringLiteral("  トゲ, \"丸\""));
        QCOMPARE(form.agebox->text(), QStringLiteral("-4"));
        QCOMPARE(form.Picture1->backColour(), QColor(0x30, 0x20, 0x10));
    }

    void malePlantsWearTheBadgeChainAndCyanFlower_data()
    {
        QTest::addColumn<int>("sei");
        QTest::addColumn<QString>("variant");
        QTest::newRow("male") << 1 << "2";
        QTest::newRow("female") << 2 << "1";
        QTest::newRow("other") << 0 << "1";
    }
    void malePlantsWearTheBadgeChainAndCyanFlower()
    {
        QFETCH(int, sei);
        QFETCH(QString, variant);
        morvick.sei = sei;
        MainForm form(sound);
        form.showmorvick();
        const PlantScene& s = *form.Picture1;
        QCOMPARE(s.hana0->picture().name, "hana" + variant);
        QCOMPARE(s.pale0->picture().name, "pale" + variant);
        QCOMPARE(s.flower0->picture().name, "flower" + variant);
        QVERIFY(!s.hana0->isVisibleTo(&s));
    }

    void bloomDrawsOnceWithItsOdds_data()
    {
        QTest::addColumn<int>("ai");
        QTest::addColumn<double>("u");
        QTest::addColumn<bool>("blooms");
        QTest::addColumn<int>("drawsMade");
        // u just below 1/N gives n = 1, u at 1/N gives n = 2.
        QTest::newRow("ai -1 never draws") << -1 << 0.0 << false << 0;
        QTest::newRow("ai 0, n 1 of 20") << 0 << 0.0499 << true << 1;
        QTest::newRow("ai 9, n 2 of 20") << 9 << 0.05 << false << 1;
        QTest::newRow("ai 10, n 1 of 10") << 10 << 0.0999 << true << 1;
        QTest::newRow("ai 29, n 2 of 10") << 29 << 0.1 << false << 1;
        QTest::newRow("ai 30, n 1 of 5") << 30 << 0.1999 << true << 1;
        QTest::newRow("ai 30, n 2 of 5") << 30 << 0.2 << false << 1;
    }
    void bloomDrawsOnceWithItsOdds()
    {
        QFETCH(int, ai);
        QFETCH(double, u);
        QFETCH(bool, blooms);
        QFETCH(int, drawsMade);
        morvick.ai = ai;
        MainForm form(sound);
        drawAlways(u);
        form.showmorvick();
        QCOMPARE(draws, drawsMade);
        QCOMPARE(form.Picture1->flower0->isVisibleTo(form.Picture1), blooms);
    }

    void theImagesStackFlowerInFront()
    {
        MainForm form(sound);
        PlantScene& s = *form.Picture1;
        for (ImageControl* image : {s.okan, s.hana0, s.ribon, s.pale0, s.flower0})
            image->show();
        QCOMPARE(s.childAt(50, 30), static_cast<QWidget*>(s.flower0)); // over hana and the plant
        QCOMPARE(s.childAt(36, 70), static_cast<QWidget*>(s.pale0));   // over ribon and the pot
        QCOMPARE(s.childAt(40, 10), static_cast<QWidget*>(s.okan));    // over the plant
        QCOMPARE(s.childAt(20, 100), static_cast<QWidget*>(s.sshape2));
        QCOMPARE(s.childAt(5, 5), nullptr);
    }

    void picturesHaveCrispDoubleSizeTwins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char* plant : {"morvick1", "morvick12", "morvick13", "morvick2", "morvick22", "morvick23"})
            QTest::newRow(plant) << plant << QSize(59, 56);
        for (const char* pot : {"tubo1", "tubo2", "tubo3"})
            QTest::newRow(pot) << pot << QSize(59, 36);
        for (const char* icon : {"okan", "ribon", "hana1", "hana2", "pale1", "pale2", "flower1",
                                 "flower2", "icon", "water", "talk", "decorate", "door"})
            QTest::newRow(icon) << icon << QSize(32, 32);
    }
    void picturesHaveCrispDoubleSizeTwins()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage one(QStringLiteral(":/pictures/%1.png").arg(name));
        const QImage two(QStringLiteral(":/pictures/%1@2x.png").arg(name));
        QCOMPARE(one.size(), size);
        QCOMPARE(two.size(), size * 2);
        QVERIFY(one.hasAlphaChannel());
        QCOMPARE(qAlpha(one.pixel(0, 0)), 0); // transparent surroundings
        const Picture picture = resourcePicture(name);
        QCOMPARE(picture.size, size);
        QCOMPARE(picture.icon.pixmap(size, 2.0).size(), size * 2);
    }
};

MORVICK_WIDGET_TEST_MAIN(TestShowMorvick)
#include "test_showmorvick.moc"
