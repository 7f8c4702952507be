#include "core/clock.h"
#include "core/ending.h"
#include "core/mainform.h"
#include "core/overform.h"
#include "core/random.h"
#include "fakesound.h"
#include "testenv.h"
#include "modalwindow.h"
#include "storedsettings.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

namespace {


QString pictureOf(const QWidget* scene, const char* name)
{
    return scene->findChild<ImageControl*>(QString::fromLatin1(name))->picture().name;
}
} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
    FakeSound sound;
    int ends = 0;

private slots:
    void initTestCase()
    {
        setEndProgramForTesting([this] { ++ends; });
        setTodayForTesting(QDate(2026, 12, 6));
    }
    void init()
    {
        morvick = {};
        ends = 0;
        storeTexts({});
        setDrawSourceForTesting([] { return 0.99; });
    }

    void controlsSitAtTheirRectangles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("siikubutton1") << "siikubutton1" << QRect(96, 0, 40, 40);
        QTest::newRow("siikubutton2") << "siikubutton2" << QRect(136, 0, 40, 40);
        QTest::newRow("siikubutton3") << "siikubutton3" << QRect(176, 0, 40, 40);
        QTest::newRow("Command1") << "Command1" << QRect(216, 0, 40, 40);
        QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 97, 112);
        QTest::newRow("smsgbox") << "smsgbox" << QRect(0, 112, 257, 41);
        QTest::newRow("Label1") << "Label1" << QRect(96, 40, 161, 72);
        QTest::newRow("Label2") << "Label2" << QRect(104, 42, 49, 17);
        QTest::newRow("namebox") << "namebox" << QRect(152, 42, 97, 17);
        QTest::newRow("Label3") << "Label3" << QRect(104, 58, 49, 17);
        QTest::newRow("agebox") << "agebox" << QRect(152, 58, 65, 17);
        QTest::newRow("Label4") << "Label4" << QRect(224, 58, 17, 17);
        QTest::newRow("infobox") << "infobox" << QRect(104, 73, 145, 33);
        QTest::newRow("sshape1") << "sshape1" << QRect(16, 16, 59, 56);
        QTest::newRow("sshape2") << "sshape2" << QRect(16, 72, 59, 36);
        QTest::newRow("okan") << "okan" << QRect(35, 8, 32, 32);
        QTest::newRow("hana(0)") << "hana(0)" << QRect(24, 24, 32, 32);
        QTest::newRow("ribon") << "ribon" << QRect(33, 56, 32, 32);
        QTest::newRow("pale(0)") << "pale(0)" << QRect(34, 48, 32, 32);
        QTest::newRow("flower(0)") << "flower(0)" << QRect(48, 24, 32, 32);
    }
    void controlsSitAtTheirRectangles()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        MainForm form(sound);
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), rect);
    }

    void labelsHaveTheirTextsColoursAndAlignment_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("textColour");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("rightAligned");
        const QColor cyan(0, 255, 255), yellow(255, 255, 0);
        QTest::newRow("Label2") << "Label2" << "名前：" << cyan << QColor(Qt::black) << true;
        QTest::newRow("Label3") << "Label3" << "年齢：" << cyan << QColor(Qt::black) << true;
        QTest::newRow("Label4") << "Label4" << "日" << cyan << QColor(Qt::black) << false;
        QTest::newRow("namebox") << "namebox" << "" << QColor(Qt::white) << QColor(Qt::black) << false;
        QTest::newRow("agebox") << "agebox" << "" << QColor(Qt::white) << QColor(Qt::black) << true;
        QTest::newRow("infobox") << "infobox" << "" << yellow << QColor(Qt::black) << false;
        QTest::newRow("smsgbox") << "smsgbox" << "" << QColor(Qt::black) << QColor(Qt::white) << false;
    }
    void labelsHaveTheirTextsColoursAndAlignment()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QColor, textColour);
        QFETCH(QColor, background);
        QFETCH(bool, rightAligned);
        MainForm form(sound);
        auto* label = form.findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), textColour);
        QCOMPARE(label->palette().color(QPalette::Window), background);
        QCOMPARE(bool(label->alignment() & Qt::AlignRight), rightAligned);
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSize(), 12);
    }

    void buttonsShowIconsWithTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("water") << "siikubutton1" << "水をやる";
        QTest::newRow("talk") << "siikubutton2" << "話しかける";
        QTest::newRow("decorate") << "siikubutton3" << "飾りをつける";
        QTest::newRow("quit") << "Command1" << "終了する";
    }
    void buttonsShowIconsWithTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        MainForm form(sound);
        auto* button = form.findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), tip);
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
    }

    void menusHaveTheirItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parent");
        QTest::newRow("mfile") << "mfile" << "ファイル(&F)" << "";
        QTest::newRow("mend") << "mend" << "終了(&X)" << "mfile";
        QTest::newRow("mchange") << "mchange" << "変更(&C)" << "";
        QTest::newRow("back") << "back" << "背景" << "mchange";
        QTest::newRow("mcolor") << "mcolor" << "背景色" << "back";
        QTest::newRow("mbmp") << "mbmp" << "画像貼り付け" << "back";
        QTest::newRow("mtubo") << "mtubo" << "つぼの種類" << "mchange";
        QTest::newRow("mhelp") << "mhelp" << "ヘルプ(&H)" << "";
        QTest::newRow("mhepl1") << "mhepl1" << "目次" << "mhelp";
        QTest::newRow("mhelp2") << "mhelp2" << "キーワードで検索" << "mhelp";
        QTest::newRow("mabout") << "mabout" << "アバウト(&A)" << "mhelp";
        QTest::newRow("mdel") << "mdel" << "初期化" << "";
        QTest::newRow("mnew") << "mnew" << "モルビックを新たに育てる" << "mdel";
    }
    void menusHaveTheirItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, parent);
        MainForm form(sound);
        QAction* action = nullptr;
        for (QAction* candidate : form.findChildren<QAction*>())
            if (candidate->objectName() == name)
                action = candidate;
        QVERIFY2(action, qPrintable(name));
        QCOMPARE(action->text(), text);
        const QList<QObject*> owners = action->associatedObjects();
        QVERIFY(!owners.isEmpty());
        const QString owner = parent.isEmpty() ? QStringLiteral("QMenuBar") : parent;
        bool found = false;
        for (QObject* o : owners)
            found = found || (parent.isEmpty() ? qobject_cast<QMenuBar*>(o) != nullptr
                                               : o->objectName() == owner);
        QVERIFY2(found, qPrintable(name + " belongs to " + owner));
    }

    void menuOrderAndHelpShortcut()
    {
        MainForm form(sound);
        QStringList titles;
        for (QAction* action : form.menuBar()->actions())
            titles << action->objectName();
        QCOMPARE(titles, (QStringList{"mfile", "mchange", "mhelp", "mdel"}));
        QCOMPARE(form.mhepl1->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void allFourMenuTitlesFitTheBar()
    {
        MainForm form(sound);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QMenuBar* bar = form.menuBar();
        for (QAction* action : bar->actions()) {
            const QRect place = bar->actionGeometry(action);
            QVERIFY2(place.isValid() && place.right() < bar->width(), qPrintable(action->text()));
        }
        auto* overflow = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(!overflow || !overflow->isVisible());
    }

    void theWindowIsFixedAndCaptioned()
    {
        MainForm form(sound);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("MORVICK"));
        QCOMPARE(form.centralWidget()->size(), QSize(256, 153));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.centralWidget()->geometry().top(), form.menuBar()->geometry().bottom() + 1);
    }

    void everyQuitPathSavesTheTenKeysOnce_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("button") << "button";
        QTest::newRow("menu") << "menu";
        QTest::newRow("close") << "close";
    }
    void everyQuitPathSavesTheTenKeysOnce()
    {
        QFETCH(QString, path);
        MainForm form(sound);
        morvick.ai = 4;
        morvick.sname = QStringLiteral("never stored by quitting");
        form.show();
        if (path == QLatin1String("button"))
            form.Command1->click();
        else if (path == QLatin1String("menu"))
            form.mend->trigger();
        else
            form.close();
        QCOMPARE(ends, 1);
        QCOMPARE(storedKeys(), (QStringList{"ai", "bcolor", "days", "lastday", "sacce1", "sacce2",
                                             "sacce3", "sacce4", "seiword", "swater"}));
        QSettings settings;
        QCOMPARE(settings.value("setting/ai").toString(), QStringLiteral("4"));
    }

    void theColourShownIsTheColourSaved()
    {
        storeTexts({{"smode", "1"}, {"lastday", "46362"}, {"bcolor", "255"}});
        MainForm form(sound);
        form.Form_Load();
        QCOMPARE(form.Picture1->backColour(), QColor(255, 0, 0));
        form.Picture1->setBackColour(QColor(0, 0, 255));
        form.mend->trigger();
        QSettings settings;
        QCOMPARE(settings.value("setting/bcolor").toString(), QStringLiteral("16711680"));
        QCOMPARE(morvick.bcolor, 255);
    }

    void startUpDrawsTheStoredPlant()
    {
        storeTexts({{"smode", "1"}, {"lastday", "46361"}, {"days", "60"}, {"sshape1", "2"},
                     {"sshape2", "3"}, {"sacce3", "1"}, {"sname", "トゲ丸"}, {"swater", "2"}});
        MainForm form(sound);
        form.Form_Load();
        QCOMPARE(pictureOf(form.Picture1, "sshape1"), QStringLiteral("morvick22"));
        QCOMPARE(pictureOf(form.Picture1, "sshape2"), QStringLiteral("tubo3"));
        QCOMPARE(form.namebox->text(), QStringLiteral("トゲ丸"));
        QCOMPARE(form.agebox->text(), QStringLiteral("61"));
        QCOMPARE(form.infobox->text(), QStringLiteral("水分が不足しています"));
        QCOMPARE(form.Picture1->hana0->geometry(), QRect(24, 32, 32, 32));
        QVERIFY(form.Picture1->hana0->isVisibleTo(form.Picture1));
        QVERIFY(!form.Picture1->okan->isVisibleTo(form.Picture1));
    }

    void startUpWithAnAbsenceComplainsUnlessTheWaterSpeaks_data()
    {
        QTest::addColumn<QString>("swater");
        QTest::addColumn<QString>("message");
        QTest::newRow("well: the complaint stays") << "10" << "ザボンは、あなたがかまってあげなかったので寂しがっています";
        QTest::newRow("thirsty: the water speaks") << "2" << "喉が渇いているようです";
    }
    void startUpWithAnAbsenceComplainsUnlessTheWaterSpeaks()
    {
        QFETCH(QString, swater);
        QFETCH(QString, message);
        storeTexts({{"smode", "1"}, {"lastday", "46350"}, {"ai", "10"}, {"swater", swater}});
        MainForm form(sound);
        form.Form_Load();
        QCOMPARE(form.smsgbox->text(), message);
    }

    void farewellWindowsAreLaidOut_data()
    {
        QTest::addColumn<bool>("rotted");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("label");
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("rotted") << true << "overform" << QSize(193, 56) << QRect(8, 8, 177, 17)
                                << QRect(64, 32, 65, 17) << "水のやりすぎで腐ってしまいました";
        QTest::newRow("dried up") << false << "overform2" << QSize(194, 66) << QRect(8, 8, 177, 25)
                                  << QRect(64, 40, 65, 17)
                                  << "あまりに水をやらなかったので、干からびてしまいました";
    }
    void farewellWindowsAreLaidOut()
    {
        QFETCH(bool, rotted);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QRect, label);
        QFETCH(QRect, button);
        QFETCH(QString, text);
        OverForm form(rotted ? OverForm::Cause::Rotted : OverForm::Cause::DriedUp);
        QCOMPARE(form.objectName(), name);
        QCOMPARE(form.size(), size);
        QVERIFY(form.windowTitle().isEmpty());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)));
        QCOMPARE(form.Label1->geometry(), label);
        QCOMPARE(form.Label1->text(), text);
        QCOMPARE(form.Command1->geometry(), button);
        QCOMPARE(form.Command1->text(), QStringLiteral("END"));
    }

    void endWipesTheStoredPlantAndEndsTheGame()
    {
        storeTexts({{"smode", "1"}, {"sname", "x"}});
        OverForm form(OverForm::Cause::Rotted);
        form.Command1->click();
        QCOMPARE(ends, 1);
        QVERIFY(storedKeys().isEmpty());
    }

    void escDoesNotDismissAFarewell()
    {
        OverForm form(OverForm::Cause::DriedUp);
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QCOMPARE(ends, 0);
    }

    void aDriedUpPlantThatIsNotEndedGoesOn()
    {
        storeTexts({{"smode", "1"}, {"lastday", "46361"}, {"swater", "-28"}, {"days", "9"}});
        MainForm form(sound);
        QString farewell;
        whenShown<OverForm>([&farewell](OverForm& shown) { farewell = shown.objectName(); });
        form.Form_Load();
        QCOMPARE(farewell, QStringLiteral("overform2"));
        QCOMPARE(int(morvick.swater), -31);
        QCOMPARE(form.agebox->text(), QStringLiteral("10"));
        QCOMPARE(storedKeys(), (QStringList{"days", "lastday", "smode", "swater"}));
    }
};

MORVICK_WIDGET_TEST_MAIN(TestMainForm)
#include "test_mainform.moc"
