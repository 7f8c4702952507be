#include "core/mainform.h"
#include "core/random.h"
#include "fakesound.h"
#include "testenv.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QLabel>

namespace {
const QString earlierLine = QStringLiteral("earlier line");

// Points in the scene (Picture1's pixels) with what lies there on a plant of
// shape 2 as loaded: the plant at 16,16 59x56, the pot at 16,72 59x36,
// the crown at 35,8 32x32, the bloom at 48,24 32x32.
const QPoint bareCorner(4, 4);
const QPoint bareBelowPot(50, 110);
const QPoint plantOnly(18, 18);
const QPoint potOnly(20, 90);
const QPoint crownOverBare(50, 10);
const QPoint crownOverPlant(50, 30);
const QPoint bloomOverBare(78, 30);
} // namespace

class TestTouch : public QObject
{
    Q_OBJECT
    FakeSound sound;
    std::unique_ptr<MainForm> mainform;

    // Mouse input enters through the window, as the user's does, so it reaches
    // whichever control lies under the point.
    QPoint inWindow(const QPoint& scenePoint) const
    {
        return mainform->Picture1->mapTo(mainform.get(), scenePoint);
    }
    void clickScene(const QPoint& at)
    {
        QTest::mouseClick(mainform->windowHandle(), Qt::LeftButton, {}, inWindow(at));
    }
    void moveOverScene(const QPoint& at)
    {
        QTest::mouseMove(mainform->windowHandle(), inWindow(at));
    }

private slots:
    void init()
    {
        morvick = {};
        setDrawSourceForTesting([] { return 0.0; });
        mainform = std::make_unique<MainForm>(sound);
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        // Start every test with the pointer outside the scene.
        const QLabel* line = mainform->smsgbox;
        QTest::mouseMove(mainform->windowHandle(),
                         line->mapTo(mainform.get(), line->rect().center()));
    }
    void cleanup()
    {
        mainform.reset();
        QVERIFY(sound.played.isEmpty());
    }

    void aTouchDrawsARemark_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("sei");
        QTest::addColumn<QString>("remark");
        const QString prickles = QStringLiteral("チクチクします");
        for (int draw = 1; draw <= 7; ++draw)
            QTest::addRow("draw %d", draw) << draw << 2 << prickles;
        QTest::newRow("draw 8 male") << 8 << 1 << QStringLiteral("眠っているようです");
        QTest::newRow("draw 8 female") << 8 << 2 << QStringLiteral("眠っているようです");
        QTest::newRow("draw 9 male") << 9 << 1 << QStringLiteral("照れてそっぽを向いています");
        QTest::newRow("draw 9 female") << 9 << 2 << QStringLiteral("潤んだ瞳で見つめています");
        QTest::newRow("draw 9 other") << 9 << 0 << QStringLiteral("潤んだ瞳で見つめています");
        QTest::newRow("draw 10 male") << 10 << 1 << QStringLiteral("恥ずかしがっています");
        QTest::newRow("draw 10 female") << 10 << 2 << QStringLiteral("恥ずかしがっています");
    }
    void aTouchDrawsARemark()
    {
        QFETCH(int, draw);
        QFETCH(int, sei);
        QFETCH(QString, remark);
        morvick.sei = sei;
        morvick.ai = 3;
        int draws = 0;
        setDrawSourceForTesting([&draws, draw] {
            ++draws;
            return (draw - 0.5) / 10;
        });
        mainform->infobox->setText(earlierLine);
        clickScene(plantOnly);
        QCOMPARE(draws, 1);
        QCOMPARE(int(morvick.ai), 4);
        QCOMPARE(mainform->smsgbox->text(), remark);
        QCOMPARE(mainform->infobox->text(), earlierLine);
    }

    void tenTouchesRaiseAffectionByTen()
    {
        setDrawSourceForTesting({});
        seedRandom();
        morvick.ai = -4;
        for (int touch = 0; touch < 10; ++touch)
            clickScene(plantOnly);
        QCOMPARE(int(morvick.ai), 6);
    }

    void aDoubleClickIsOneTouch()
    {
        morvick.ai = 0;
        QTest::mouseDClick(mainform->windowHandle(), Qt::LeftButton, {}, inWindow(plantOnly));
        QCOMPARE(int(morvick.ai), 1);
    }

    void affectionHoldsAtItsTop()
    {
        morvick.ai = 32766;
        clickScene(plantOnly);
        clickScene(plantOnly);
        QCOMPARE(int(morvick.ai), 32767);
        QCOMPARE(mainform->smsgbox->text(), QStringLiteral("チクチクします"));
    }

    void whatCoversThePlantIsNotTouched_data()
    {
        QTest::addColumn<QString>("cover");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("crown") << "okan" << crownOverPlant;
        QTest::newRow("bloom") << "flower(0)" << QPoint(60, 40);
    }
    void whatCoversThePlantIsNotTouched()
    {
        QFETCH(QString, cover);
        QFETCH(QPoint, at);
        mainform->Picture1->findChild<ImageControl*>(cover)->show();
        mainform->smsgbox->setText(earlierLine);
        clickScene(at);
        QCOMPARE(int(morvick.ai), 0);
        QCOMPARE(mainform->smsgbox->text(), earlierLine);
    }

    void movingOverTheBareSceneWipesTheLine_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("wiped");
        QTest::newRow("bare corner") << bareCorner << "" << true;
        QTest::newRow("bare below the pot") << bareBelowPot << "" << true;
        QTest::newRow("where a hidden crown would be") << crownOverBare << "" << true;
        QTest::newRow("plant") << plantOnly << "" << false;
        QTest::newRow("pot") << potOnly << "" << false;
        QTest::newRow("crown over the bare scene") << crownOverBare << "okan" << false;
        QTest::newRow("bloom over the bare scene") << bloomOverBare << "flower(0)" << false;
        QTest::newRow("crown over the plant") << crownOverPlant << "okan" << false;
    }
    void movingOverTheBareSceneWipesTheLine()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, shown);
        QFETCH(bool, wiped);
        if (!shown.isEmpty())
            mainform->Picture1->findChild<ImageControl*>(shown)->show();
        mainform->smsgbox->setText(earlierLine);
        moveOverScene(at);
        // A second step inside the same control, as a real pointer makes.
        moveOverScene(at + QPoint(1, 1));
        QCOMPARE(mainform->smsgbox->text(), wiped ? QString() : earlierLine);
        QCOMPARE(int(morvick.ai), 0);
    }
};

MORVICK_WIDGET_TEST_MAIN(TestTouch)
#include "test_touch.moc"
