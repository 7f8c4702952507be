#include "care/acceform.h"
#include "care/wordform.h"
#include "core/clock.h"
#include "core/ending.h"
#include "core/mainform.h"
#include "core/overform.h"
#include "core/random.h"
#include "fakesound.h"
#include "testenv.h"
#include "modalwindow.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <deque>

namespace {
const QString gameDirectory = QStringLiteral("/opt/morvick-test");
const QString earlierLine = QStringLiteral("earlier line");
const QString zabon = QStringLiteral("ザボン");

using Slots = std::array<int, 4>;

// Draws come from this queue; an unexpected draw is noticed in cleanup().
std::deque<double> draws;
int drawsTaken = 0;

/* the u for which drawFrom(n) gives result */
double drawFor(int result, int n)
{
    return (result - 0.5) / n;
}

void wear(PlantScene& scene, const Slots& worn)
{
    ImageControl* const images[] = {scene.okan, scene.ribon, scene.hana0, scene.pale0};
    for (int slot = 1; slot <= 4; ++slot) {
        morvick.sacce[slot] = worn[slot - 1];
        images[slot - 1]->setVisible(worn[slot - 1] == 1);
    }
}

Slots slotsNow()
{
    return {morvick.sacce[1], morvick.sacce[2], morvick.sacce[3], morvick.sacce[4]};
}

QStringList visibleAccessories(const PlantScene& scene)
{
    QStringList names;
    for (const ImageControl* image : {scene.okan, scene.ribon, scene.hana0, scene.pale0})
        if (!image->isHidden())
            names.append(image->objectName());
    return names;
}
} // namespace

Q_DECLARE_METATYPE(Slots)

class TestCare : public QObject
{
    Q_OBJECT
    FakeSound sound;
    int ends = 0;
    std::unique_ptr<MainForm> mainform;

    QPoint cornerPlus(int dx, int dy) const
    {
        return mainform->frameGeometry().topLeft() + QPoint(dx, dy);
    }

private slots:
    void initTestCase()
    {
        setEndProgramForTesting([this] { ++ends; });
        setProgramDirectoryForTesting(gameDirectory);
        setDrawSourceForTesting([] {
            ++drawsTaken;
            const double u = draws.empty() ? 0.0 : draws.front();
            if (!draws.empty())
                draws.pop_front();
            return u;
        });
    }
    void init()
    {
        morvick = {};
        morvick.sname = zabon;
        sound.played.clear();
        ends = 0;
        draws.clear();
        drawsTaken = 0;
        setHourForTesting(12);
        mainform = std::make_unique<MainForm>(sound);
        mainform->move(200, 150);
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        mainform->infobox->setText(earlierLine);
        mainform->smsgbox->setText(earlierLine);
    }
    void cleanup()
    {
        mainform.reset();
        QVERIFY2(draws.empty(), "fewer draws than expected");
        // Care changes the plant in memory only; quitting stores it.
        QVERIFY(QSettings().childKeys().isEmpty() && QSettings().childGroups().isEmpty());
    }

    // Watering.

    void wateringByBand_data()
    {
        QTest::addColumn<int>("swater");
        QTest::addColumn<int>("ai");
        QTest::addColumn<int>("aiAfter");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        QTest::newRow("-13 to -11") << -13 << 5 << 6 << "水分が非常に不足しています"
                                    << "乾いて、苦しそうです";
        QTest::newRow("-12 to -10") << -12 << 5 << 6 << "水分が不足しています"
                                    << "喉が渇いているようです";
        QTest::newRow("-2 to 0") << -2 << 5 << 6 << "元気です"
                                 << "水をかけてもらって気持ちよさそうです";
        QTest::newRow("17 to 19") << 17 << -7 << -6 << "元気です"
                                  << "水をかけてもらって気持ちよさそうです";
        QTest::newRow("18 to 20") << 18 << 5 << 4 << "水分が過剰です"
                                  << "顔色が悪く、元気がありません";
        QTest::newRow("22 to 24") << 22 << 5 << 4 << "水分が過剰です"
                                  << "顔色が悪く、元気がありません";
        QTest::newRow("ai at its top") << 0 << 32767 << 32767 << "元気です"
                                       << "水をかけてもらって気持ちよさそうです";
    }
    void wateringByBand()
    {
        QFETCH(int, swater);
        QFETCH(int, ai);
        QFETCH(int, aiAfter);
        QFETCH(QString, info);
        QFETCH(QString, message);
        morvick.swater = swater;
        morvick.ai = ai;
        QTest::mouseClick(mainform->siikubutton1, Qt::LeftButton);
        QCOMPARE(int(morvick.swater), swater + 2);
        QCOMPARE(int(morvick.ai), aiAfter);
        QCOMPARE(mainform->infobox->text(), info);
        QCOMPARE(mainform->smsgbox->text(), message);
        QCOMPARE(sound.played, QStringList{gameDirectory + "/water.wav"});
        QVERIFY(!mainform->Picture1->sshape1->isHidden());
    }

    void tooMuchWaterRotsThePlant_data()
    {
        QTest::addColumn<int>("swater");
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("23 to 25") << 23 << QPoint(200, 150);
        QTest::newRow("at the limit") << 32767 << QPoint(420, 64);
    }
    void tooMuchWaterRotsThePlant()
    {
        QFETCH(int, swater);
        QFETCH(QPoint, mainAt);
        mainform->move(mainAt);
        morvick.swater = swater;
        morvick.ai = 12;
        PlantScene& scene = *mainform->Picture1;
        for (ImageControl* image :
             {scene.okan, scene.hana0, scene.ribon, scene.pale0, scene.flower0})
            image->show();
        bool shown = false;
        whenShown<OverForm>([&](OverForm& overform) {
            shown = true;
            QCOMPARE(overform.objectName(), QStringLiteral("overform"));
            QCOMPARE(sound.played, QStringList{gameDirectory + "/water.wav"});
            QCOMPARE(overform.pos(), cornerPlus(100, 72));
            QVERIFY(scene.sshape2->isVisible());
            for (const ImageControl* image :
                 {scene.sshape1, scene.okan, scene.hana0, scene.pale0, scene.ribon, scene.flower0})
                QVERIFY2(image->isHidden(), qPrintable(image->objectName()));
            QCOMPARE(mainform->infobox->text(), QString());
            QCOMPARE(mainform->smsgbox->text(), earlierLine);
            overform.Command1->click();
        });
        mainform->siikubutton1_Click();
        QVERIFY(shown);
        QCOMPARE(ends, 1);
        QCOMPARE(int(morvick.swater), int(Integer::saturate(swater + 2)));
        QCOMPARE(int(morvick.ai), 12);
    }

    // Talking.

    void theTalkingWindowIsLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        for (int index = 0; index < 4; ++index)
            QTest::addRow("sword(%d)", index)
                << QStringLiteral("sword(%1)").arg(index) << QRect(8, 8 + 24 * index, 281, 17);
        QTest::newRow("Command1") << "Command1" << QRect(112, 112, 65, 17);
    }
    void theTalkingWindowIsLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        WordForm wordform(*mainform);
        QCOMPARE(wordform.objectName(), QStringLiteral("wordform"));
        QCOMPARE(wordform.minimumSize(), QSize(298, 137));
        QCOMPARE(wordform.maximumSize(), QSize(298, 137));
        QCOMPARE(wordform.windowTitle(), QString());
        auto* control = wordform.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
    }

    void eachTalkOpensAFreshWindowBesideTheMainWindow()
    {
        mainform->move(333, 222);
        whenShown<WordForm>([this](WordForm& wordform) {
            QCOMPARE(wordform.pos(), cornerPlus(100, 28));
            QVERIFY(wordform.sword[0]->isChecked());
            wordform.sword[3]->setChecked(true);
        });
        mainform->siikubutton2_Click();
        whenShown<WordForm>([](WordForm& wordform) { QVERIFY(wordform.sword[0]->isChecked()); });
        mainform->siikubutton2_Click();
        QVERIFY(mainform->findChildren<WordForm*>().isEmpty());
        QCOMPARE(drawsTaken, 6);
    }

    void theGreetingTakesTheHourOfThePress()
    {
        setHourForTesting(5);
        whenShown<WordForm>([](WordForm& wordform) {
            setHourForTesting(6);
            QCOMPARE(wordform.sword[0]->text(), QStringLiteral("おやすみ、") + zabon);
        });
        mainform->siikubutton2_Click();
        QCOMPARE(int(morvick.shour), 5);
    }

    void eachSentenceHasItsOwnDraw_data()
    {
        QTest::addColumn<int>("seiword");
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<QStringList>("sentences");
        const QString n = zabon;
        QTest::newRow("masculine 1 2 3")
            << 1 << QList<int>{1, 2, 3}
            << QStringList{n + "、愛してるよ", "僕のハニー、今日も可愛いね",
                           "スネた顔もキュートだね、マイハニー"};
        QTest::newRow("feminine 3 1 2")
            << 2 << QList<int>{3, 1, 2}
            << QStringList{n + "が私の世界一よ", "ねぇ" + n + "・・・今日は甘えてもいい？",
                           "貴方は私が守ってあげる"};
    }
    void eachSentenceHasItsOwnDraw()
    {
        QFETCH(int, seiword);
        QFETCH(QList<int>, drawn);
        QFETCH(QStringList, sentences);
        morvick.seiword = seiword;
        draws = {drawFor(drawn[0], 3), drawFor(drawn[1], 3), drawFor(drawn[2], 3)};
        whenShown<WordForm>([&](WordForm& wordform) {
            for (int button = 1; button <= 3; ++button)
                QCOMPARE(wordform.sword[button]->text(), sentences[button - 1]);
        });
        mainform->siikubutton2_Click();
    }

    void sayingASentence_data()
    {
        QTest::addColumn<int>("ai");
        QTest::addColumn<int>("sei");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<double>>("okDraws");
        QTest::addColumn<QString>("message");
        const double line3 = drawFor(3, 10);
        const double line7 = drawFor(7, 10);
        QTest::newRow("-11: no chance, no draw") << -11 << 1 << 0 << QList<double>{} << "";
        QTest::newRow("-1: 1 in 10, answers")
            << -1 << 1 << 0 << QList<double>{0.099, line3} << "顔を赤くしています";
        QTest::newRow("-1: 1 in 10, silent") << -1 << 1 << 3 << QList<double>{0.1} << "";
        QTest::newRow("9: 1 in 5, answers")
            << 9 << 2 << 3 << QList<double>{0.15, line3} << "ほんのり頬を染めています";
        QTest::newRow("9: 1 in 5, silent") << 9 << 2 << 0 << QList<double>{0.2} << "";
        QTest::newRow("29: 1 in 3, answers")
            << 29 << 1 << 2 << QList<double>{0.25, line7} << "優しい瞳で見つめています";
        QTest::newRow("29: 1 in 3, silent") << 29 << 1 << 0 << QList<double>{0.334} << "";
        QTest::newRow("female, other sei")
            << 40 << 0 << 1 << QList<double>{0, line7} << "うつむいています";
        QTest::newRow("ai at its top") << 32767 << 1 << 0 << QList<double>{0.5} << "";
    }
    void sayingASentence()
    {
        QFETCH(int, ai);
        QFETCH(int, sei);
        QFETCH(int, selected);
        QFETCH(QList<double>, okDraws);
        QFETCH(QString, message);
        morvick.ai = ai;
        morvick.sei = sei;
        draws = {0, 0, 0};
        draws.insert(draws.end(), okDraws.begin(), okDraws.end());
        whenShown<WordForm>([&](WordForm& wordform) {
            wordform.sword[selected]->setChecked(true);
            QTest::mouseClick(wordform.Command1, Qt::LeftButton);
            QVERIFY(!wordform.isVisible());
        });
        mainform->siikubutton2_Click();
        QCOMPARE(drawsTaken, 3 + int(okDraws.size()));
        QCOMPARE(int(morvick.ai), std::min(ai + 1, 32767));
        QCOMPARE(mainform->smsgbox->text(), message);
        QVERIFY(sound.played.isEmpty());
    }

    void onlyOkSaysTheSentence()
    {
        morvick.ai = 3;
        whenShown<WordForm>([](WordForm& wordform) {
            QTest::keyClick(&wordform, Qt::Key_Return);
            QTest::keyClick(&wordform, Qt::Key_Escape);
            QVERIFY(wordform.isVisible());
            wordform.close();
        });
        mainform->siikubutton2_Click();
        QCOMPARE(int(morvick.ai), 3);
        QCOMPARE(mainform->smsgbox->text(), earlierLine);
    }

    // Accessories.

    void theAccessoryWindowIsLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Image1") << "Image1" << QRect(16, 8, 32, 32);
        QTest::newRow("Image2") << "Image2" << QRect(48, 10, 32, 32);
        QTest::newRow("Image3(0)") << "Image3(0)" << QRect(80, 8, 32, 32);
        QTest::newRow("Image4(0)") << "Image4(0)" << QRect(112, 8, 32, 32);
        QTest::newRow("acheck(0)") << "acheck(0)" << QRect(19, 40, 17, 17);
        QTest::newRow("acheck(1)") << "acheck(1)" << QRect(53, 40, 17, 17);
        QTest::newRow("acheck(2)") << "acheck(2)" << QRect(83, 40, 17, 17);
        QTest::newRow("acheck(3)") << "acheck(3)" << QRect(115, 40, 17, 17);
        QTest::newRow("Command1") << "Command1" << QRect(40, 64, 73, 17);
    }
    void theAccessoryWindowIsLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        AcceForm acceform(*mainform);
        QCOMPARE(acceform.objectName(), QStringLiteral("acceform"));
        QCOMPARE(acceform.minimumSize(), QSize(145, 89));
        QCOMPARE(acceform.maximumSize(), QSize(145, 89));
        QCOMPARE(acceform.windowTitle(), QString());
        auto* control = acceform.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
    }

    void theWindowShowsWhatThePlantCanWear_data()
    {
        QTest::addColumn<int>("sei");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("male") << 1 << QStringList{"okan", "ribon", "hana2", "pale2"};
        QTest::newRow("female") << 2 << QStringList{"okan", "ribon", "flower2", "pale1"};
    }
    void theWindowShowsWhatThePlantCanWear()
    {
        QFETCH(int, sei);
        QFETCH(QStringList, pictures);
        mainform->move(250, 120);
        morvick.sei = sei;
        whenShown<AcceForm>([&](AcceForm& acceform) {
            QCOMPARE(mainform->acceform.data(), &acceform);
            QCOMPARE(acceform.pos(), cornerPlus(100, 60));
            const QStringList shown{
                acceform.Image1->picture().name, acceform.Image2->picture().name,
                acceform.Image3_0->picture().name, acceform.Image4_0->picture().name};
            QCOMPARE(shown, pictures);
        });
        mainform->siikubutton3_Click();
        QVERIFY(mainform->acceform.isNull());
    }

    void okPutsOnWhatIsTicked_data()
    {
        QTest::addColumn<Slots>("worn");
        QTest::addColumn<Slots>("ticks");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QString>("message");
        QTest::newRow("1 and 3 unchanged")
            << Slots{1, 0, 1, 0} << Slots{1, 0, 1, 0} << QStringList{"okan", "hana(0)"}
            << "照れているようです";
        QTest::newRow("only the crown") << Slots{0, 0, 0, 0} << Slots{1, 0, 0, 0}
                                        << QStringList{"okan"} << "王冠が珍しいようです";
        QTest::newRow("only the bow")
            << Slots{1, 0, 0, 0} << Slots{0, 1, 0, 0} << QStringList{"ribon"} << "嬉しそうです";
        QTest::newRow("all four") << Slots{0, 1, 0, 0} << Slots{1, 1, 1, 1}
                                  << QStringList{"okan", "ribon", "hana(0)", "pale(0)"}
                                  << "ちょっと重たそうです";
        QTest::newRow("three of four")
            << Slots{1, 1, 1, 1} << Slots{1, 1, 0, 1} << QStringList{"okan", "ribon", "pale(0)"}
            << "ちょっと自慢気にしています";
        QTest::newRow("none") << Slots{1, 1, 1, 1} << Slots{0, 0, 0, 0} << QStringList{}
                              << earlierLine;
        QTest::newRow("loaded as 2") << Slots{2, 2, 1, 2} << Slots{0, 0, 1, 0}
                                     << QStringList{"hana(0)"} << "照れているようです";
    }
    void okPutsOnWhatIsTicked()
    {
        QFETCH(Slots, worn);
        QFETCH(Slots, ticks);
        QFETCH(QStringList, visible);
        QFETCH(QString, message);
        morvick.ai = 4;
        wear(*mainform->Picture1, worn);
        whenShown<AcceForm>([&](AcceForm& acceform) {
            for (int index = 0; index < 4; ++index) {
                QCOMPARE(acceform.acheck[index]->isChecked(), worn[index] == 1);
                acceform.acheck[index]->setChecked(ticks[index] == 1);
            }
            QTest::mouseClick(acceform.Command1, Qt::LeftButton);
            QVERIFY(!acceform.isVisible());
        });
        mainform->siikubutton3_Click();
        QCOMPARE(int(morvick.ai), 5);
        QCOMPARE(sound.played, QStringList{gameDirectory + "/bell.wav"});
        QCOMPARE(slotsNow(), ticks);
        QCOMPARE(visibleAccessories(*mainform->Picture1), visible);
        QCOMPARE(mainform->smsgbox->text(), message);
        QVERIFY(mainform->acceform.isNull());
    }

    void theMaleWearsHisOwnPictures_data()
    {
        QTest::addColumn<int>("sei");
        QTest::addColumn<QString>("brooch");
        QTest::addColumn<QString>("necklace");
        QTest::newRow("male") << 1 << "hana2"
                              << "pale2";
        QTest::newRow("female") << 2 << "hana1"
                                << "pale1";
    }
    void theMaleWearsHisOwnPictures()
    {
        QFETCH(int, sei);
        QFETCH(QString, brooch);
        QFETCH(QString, necklace);
        morvick.sei = sei;
        whenShown<AcceForm>([](AcceForm& acceform) {
            acceform.acheck[2]->setChecked(true);
            acceform.acheck[3]->setChecked(true);
            acceform.Command1->click();
        });
        mainform->siikubutton3_Click();
        QCOMPARE(mainform->Picture1->hana0->picture().name, brooch);
        QCOMPARE(mainform->Picture1->pale0->picture().name, necklace);
    }

    void closingWithoutOkChangesNothing()
    {
        morvick.ai = 7;
        wear(*mainform->Picture1, Slots{1, 0, 1, 0});
        whenShown<AcceForm>([](AcceForm& acceform) {
            acceform.acheck[0]->setChecked(false);
            acceform.acheck[3]->setChecked(true);
            QTest::keyClick(&acceform, Qt::Key_Return);
            QTest::keyClick(&acceform, Qt::Key_Escape);
            QVERIFY(acceform.isVisible());
            acceform.close();
        });
        mainform->siikubutton3_Click();
        QCOMPARE(int(morvick.ai), 7);
        QCOMPARE(slotsNow(), (Slots{1, 0, 1, 0}));
        QCOMPARE(visibleAccessories(*mainform->Picture1), (QStringList{"okan", "hana(0)"}));
        QCOMPARE(mainform->smsgbox->text(), earlierLine);
        QVERIFY(sound.played.isEmpty());
        QVERIFY(mainform->acceform.isNull());
    }
};

MORVICK_WIDGET_TEST_MAIN(TestCare)
#include "test_care.moc"
