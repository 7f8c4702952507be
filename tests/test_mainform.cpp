#include "appearance/bmpform.h"
#include "appearance/tuboform.h"
#include "care/acceform.h"
#include "care/wordform.h"
#include "core/clock.h"
#include "core/ending.h"
#include "core/mainform.h"
#include "core/overform.h"
#include "core/random.h"
#include "fakesound.h"
#include "help/aboutform.h"
#include "newplant/firstform.h"
#include "testenv.h"
#include "modalwindow.h"
#include "storedsettings.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

namespace {


/* clicks a button or triggers a menu item of the main window by its name */
void press(MainForm& form, const QString& name)
{
    if (auto* button = form.findChild<QPushButton*>(name))
        button->click();
    else
        form.findChild<QAction*>(name)->trigger();
}

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

    void textFromTheUserIsNeverMarkup()
    {
        const QString name = QStringLiteral("<b>&lt;3</b>");
        storeTexts({{"smode", "1"}, {"lastday", "46350"}, {"sname", name}, {"swater", "10"}});
        MainForm form(sound);
        form.Form_Load();
        QCOMPARE(form.namebox->text(), name);
        QVERIFY(form.smsgbox->text().startsWith(name));
        FirstForm first;
        WordForm words(form);
        AcceForm accessories(form);
        TuboForm pots(form);
        BmpForm picture(form);
        OverForm rotted(OverForm::Cause::Rotted);
        AboutForm about;
        for (const QWidget* window : std::initializer_list<const QWidget*>{
                 &form, &first, &words, &accessories, &pots, &picture, &rotted, &about})
            for (const QLabel* label : window->findChildren<QLabel*>())
                QVERIFY2(label->textFormat() == Qt::PlainText,
                         qPrintable(window->objectName() + '/' + label->objectName()));
    }

    // Enter presses the focused button; elsewhere the window's default button, if any.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("closes");
        QTest::newRow("setup, OK") << "mnew" << "okbutton" << true;
        QTest::newRow("setup, CANCEL") << "mnew" << "Command1" << true;
        QTest::newRow("setup, name box: no default") << "mnew" << "namebox" << false;
        QTest::newRow("talk, OK") << "siikubutton2" << "Command1" << true;
        QTest::newRow("talk, a sentence: no default") << "siikubutton2" << "sword(1)" << false;
        QTest::newRow("accessories, OK") << "siikubutton3" << "Command1" << true;
        QTest::newRow("pot, OK") << "mtubo" << "okbutton" << true;
        QTest::newRow("picture, CANCEL") << "mbmp" << "Command2" << true;
        QTest::newRow("picture, path: no default") << "mbmp" << "Text1" << false;
        QTest::newRow("About, OK is the default") << "mabout" << "Command1" << true;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, opener);
        QFETCH(QString, focus);
        QFETCH(bool, closes);
        MainForm form(sound);
        form.show();
        bool closed = false;
        whenShown<QDialog>([&](QDialog& dialog) {
            if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("namebox")))
                name->setText(QStringLiteral("a"));
            auto* target = dialog.findChild<QWidget*>(focus);
            QVERIFY(target);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            closed = !dialog.isVisible();
        });
        press(form, opener);
        QCOMPARE(closed, closes);
    }

    void escDoesNothingWhereNoButtonStandsForIt_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("talk") << "siikubutton2";
        QTest::newRow("accessories") << "siikubutton3";
        QTest::newRow("About") << "mabout";
    }
    void escDoesNothingWhereNoButtonStandsForIt()
    {
        QFETCH(QString, opener);
        MainForm form(sound);
        form.show();
        bool open = false;
        whenShown<QDialog>([&](QDialog& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            open = dialog.isVisible();
        });
        press(form, opener);
        QVERIFY(open);
    }

    // Near the screen's corner, a window placed beside the main window still shows whole.
    void windowsOpenOnTheScreen_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("talk") << "siikubutton2";
        QTest::newRow("accessories") << "siikubutton3";
        QTest::newRow("pot") << "mtubo";
        QTest::newRow("colour") << "mcolor";
        QTest::newRow("rotted") << "siikubutton1";
    }
    void windowsOpenOnTheScreen()
    {
        QFETCH(QString, opener);
        morvick.swater = 23;
        MainForm form(sound);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect area = form.screen()->availableGeometry();
        form.move(area.bottomRight() - QPoint(form.frameGeometry().width(), form.frameGeometry().height()) + QPoint(1, 1));
        QTRY_COMPARE(form.frameGeometry().bottomRight(), area.bottomRight());
        QRect shown;
        whenShown<QDialog>([&](QDialog& dialog) { shown = dialog.frameGeometry(); });
        press(form, opener);
        QVERIFY2(area.contains(shown), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
    }

    void aFailedSaveIsToldOnceAndThePlayGoesOn()
    {
        MainForm form(sound);
        form.show();
        const QString file = QSettings().fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file)); // nothing can be written there now
        QStringList told;
        for (int round = 0; round < 2; ++round) {
            whenShown<TuboForm>([&told](TuboForm& pots) {
                QTimer::singleShot(0, [&told] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        told.append(box->text());
                        box->accept();
                    }
                });
                pots.sshape2[1]->click();
                pots.okbutton->click();
            });
            form.mtubo->trigger();
        }
        QDir(file).removeRecursively();
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(file));
        QCOMPARE(int(morvick.sshape2), 2);
        QCOMPARE(form.Picture1->sshape2->picture().name, QStringLiteral("tubo2"));
    }
};

MORVICK_WIDGET_TEST_MAIN(TestMainForm)
#include "test_mainform.moc"
