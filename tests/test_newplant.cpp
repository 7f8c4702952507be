#include "core/clock.h"
#include "core/ending.h"
#include "core/mainform.h"
#include "core/random.h"
#include "fakesound.h"
#include "newplant/firstform.h"
#include "testenv.h"
#include "storedsettings.h"
#include "modalwindow.h"
#include "view/plantscene.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

namespace {


const QStringList nineKeys{"days", "lastday", "sei", "seiword", "smode", "sname", "sshape1",
                           "sshape2", "swater"};
} // namespace

class TestNewPlant : public QObject
{
    Q_OBJECT
    FakeSound sound;

private slots:
    void initTestCase()
    {
        setEndProgramForTesting([] {});
        setTodayForTesting(QDate(2026, 12, 6));
        setDrawSourceForTesting([] { return 0.99; });
    }
    void init()
    {
        morvick = {};
        QSettings settings;
        settings.clear();
        settings.sync();
    }

    void theSetupWindowIsLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("Frame1") << "Frame1" << QRect(8, 0, 113, 41) << "名前";
        QTest::newRow("namebox") << "namebox" << QRect(8, 16, 97, 18) << "";
        QTest::newRow("Frame2") << "Frame2" << QRect(8, 48, 145, 105) << "モルビックの形";
        QTest::newRow("Image1") << "Image1" << QRect(8, 16, 63, 60) << "";
        QTest::newRow("sshape1(1)") << "sshape1(1)" << QRect(96, 80, 17, 17) << "";
        QTest::newRow("Frame3") << "Frame3" << QRect(160, 64, 209, 89) << "つぼの形";
        QTest::newRow("Image5") << "Image5" << QRect(136, 16, 63, 40) << "";
        QTest::newRow("sshape2(2)") << "sshape2(2)" << QRect(160, 64, 17, 17) << "";
        QTest::newRow("Frame4") << "Frame4" << QRect(160, 0, 49, 57) << "性別";
        QTest::newRow("Option1") << "Option1" << QRect(8, 16, 33, 17) << "男";
        QTest::newRow("Option2") << "Option2" << QRect(8, 32, 33, 17) << "女";
        QTest::newRow("Frame5") << "Frame5" << QRect(216, 0, 153, 57) << "モルビックへの話しかけかた";
        QTest::newRow("Option4") << "Option4" << QRect(8, 16, 57, 17) << "男言葉";
        QTest::newRow("Option3") << "Option3" << QRect(8, 32, 57, 17) << "女言葉";
        QTest::newRow("okbutton") << "okbutton" << QRect(232, 160, 65, 17) << "OK";
        QTest::newRow("cancelbutton") << "cancelbutton" << QRect(304, 160, 65, 17) << "END";
        QTest::newRow("Command1") << "Command1" << QRect(304, 160, 65, 17) << "CANCEL";
    }
    void theSetupWindowIsLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        FirstForm form;
        QCOMPARE(form.size(), QSize(377, 185));
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), rect);
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else if (auto* field = qobject_cast<QLineEdit*>(control))
            shown = field->text();
        QCOMPARE(shown, text);
    }

    void designStateOffersEndAndARoundFemalePlant()
    {
        FirstForm form;
        QVERIFY(!form.okbutton->isEnabled());
        QVERIFY(!form.cancelbutton->isHidden());
        QVERIFY(form.Command1->isHidden());
        const PlantChoice choice = form.choice();
        QCOMPARE(choice.shape, 1);
        QCOMPARE(choice.pot, 1);
        QCOMPARE(choice.sei, 2);
        QCOMPARE(choice.seiword, 1);
    }

    void okFollowsTheName()
    {
        FirstForm form;
        QTest::keyClicks(form.namebox, QStringLiteral("a"));
        QVERIFY(form.okbutton->isEnabled());
        QTest::keyClick(form.namebox, Qt::Key_Backspace);
        QVERIFY(!form.okbutton->isEnabled());
        QTest::keyClicks(form.namebox, QStringLiteral(" "));
        QVERIFY(form.okbutton->isEnabled());
    }

    void theOptionsGiveTheirValues()
    {
        FirstForm form;
        form.sshape1[1]->click();
        form.sshape2[2]->click();
        form.Option1->click();
        form.Option3->click();
        const PlantChoice choice = form.choice();
        QCOMPARE(choice.shape, 2);
        QCOMPARE(choice.pot, 3);
        QCOMPARE(choice.sei, 1);
        QCOMPARE(choice.seiword, 2);
    }

    void theNameHasTheFocusWhenTheWindowOpens()
    {
        MainForm main(sound);
        whenShown<FirstForm>([](FirstForm& form) {
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.namebox));
            form.close();
        });
        main.Form_Load();
    }

    void firstStartOkStoresTheNewPlant()
    {
        MainForm main(sound);
        whenShown<FirstForm>([](FirstForm& form) {
            form.namebox->setText(QStringLiteral("a"));
            form.okbutton->click();
        });
        main.Form_Load();
        QCOMPARE(storedKeys(), nineKeys);
        QCOMPARE(morvick.sname, QStringLiteral("a"));
        QCOMPARE(int(morvick.days), 1);
        QCOMPARE(int(morvick.swater), 3);
        QCOMPARE(int(morvick.smode), 1);
        QCOMPARE(morvick.lastday, 46362.0);
        QCOMPARE(storedText("lastday"), QStringLiteral("46362"));
        QCOMPARE(main.namebox->text(), QStringLiteral("a"));
        QCOMPARE(main.agebox->text(), QStringLiteral("1"));
    }

    void escOnAFirstStartKeepsTheWindowOpen()
    {
        MainForm main(sound);
        whenShown<FirstForm>([](FirstForm& form) {
            form.namebox->setText(QStringLiteral("half typed"));
            QTest::keyClick(&form, Qt::Key_Escape);
            QVERIFY(form.isVisible());
            QCOMPARE(form.namebox->text(), QStringLiteral("half typed"));
            form.close();
        });
        main.Form_Load();
    }

    void closingAFirstStartShowsTheDefaultPlant()
    {
        MainForm main(sound);
        whenShown<FirstForm>([](FirstForm& form) { form.close(); });
        main.Form_Load();
        QCOMPARE(int(morvick.smode), 0);
        QCOMPARE(main.namebox->text(), QStringLiteral("ザボン"));
        QCOMPARE(main.agebox->text(), QStringLiteral("0"));
        QVERIFY(storedKeys().isEmpty());
    }

    void aNewPlantFromTheMenuReplacesTheOld()
    {
        MainForm main(sound);
        morvick.sname = QStringLiteral("old");
        morvick.ai = 12;
        morvick.sacce = {0, 1, 1, 1, 1};
        morvick.bmpdir = QStringLiteral("/some/picture.bmp");
        main.Picture1->okan->show();
        main.infobox->setText(QStringLiteral("元気です"));
        whenShown<FirstForm>([](FirstForm& form) {
            QVERIFY(form.Command1->isVisible());
            QVERIFY(!form.cancelbutton->isVisible());
            form.namebox->setText(QStringLiteral("new"));
            form.sshape1[1]->click();
            form.okbutton->click();
        });
        main.mnew_Click();
        QCOMPARE(storedKeys(), nineKeys);
        QCOMPARE(storedText("sname"), QStringLiteral("new"));
        QCOMPARE(storedText("sshape1"), QStringLiteral("2"));
        QCOMPARE(int(morvick.ai), 12);
        QCOMPARE(morvick.bmpdir, QString());
        for (int slot = 1; slot <= 4; ++slot)
            QCOMPARE(int(morvick.sacce[slot]), 0);
        QVERIFY(!main.Picture1->okan->isVisibleTo(main.Picture1));
        QCOMPARE(main.namebox->text(), QStringLiteral("new"));
        QCOMPARE(main.Picture1->sshape1->picture().name, QStringLiteral("morvick2"));
    }

    void aNewPlantReplacesTheStoredOneOnlyOnOk()
    {
        storeTexts({{"sname", "old"}, {"smode", "1"}, {"days", "40"}, {"lastday", "46362"},
                    {"sshape2", "3"}, {"seiword", "2"}, {"ai", "7"}, {"sacce1", "1"},
                    {"bmpdir", "/gone.png"}});
        MainForm main(sound);
        main.Form_Load();
        QStringList kept = storedKeys();
        kept.removeOne(QStringLiteral("bmpdir"));

        // CANCEL keeps the stored plant and what was typed.
        whenShown<FirstForm>([](FirstForm& form) {
            form.namebox->setText(QStringLiteral("typed"));
            form.Option1->click();
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        main.mnew_Click();
        QCOMPARE(storedKeys(), kept);
        QCOMPARE(storedText("sname"), QStringLiteral("old"));
        QCOMPARE(storedText("sacce1"), QStringLiteral("1"));
        QCOMPARE(int(morvick.sacce[1]), 0);

        // The close box keeps the stored plant too, but not what was typed.
        whenShown<FirstForm>([](FirstForm& form) {
            QCOMPARE(form.namebox->text(), QStringLiteral("typed"));
            QVERIFY(form.Option1->isChecked());
            form.close();
        });
        main.mnew_Click();
        QCOMPARE(storedText("sname"), QStringLiteral("old"));

        // OK puts the new plant in the old one's place, in one write.
        whenShown<FirstForm>([](FirstForm& form) {
            QVERIFY(form.namebox->text().isEmpty());
            QVERIFY(!form.okbutton->isEnabled());
            form.namebox->setText(QStringLiteral("new"));
            form.okbutton->click();
        });
        main.mnew_Click();
        QCOMPARE(storedKeys(), nineKeys);
        QCOMPARE(storedText("sname"), QStringLiteral("new"));
        QCOMPARE(storedText("sshape2"), QStringLiteral("1"));
    }

    void aNameMayBeLongerThanALineEditsUsualLimit()
    {
        FirstForm form;
        const QString name(40000, QLatin1Char('a'));
        form.namebox->setText(name);
        QCOMPARE(form.choice().name, name);
    }

    void aNewFemalePlantAfterAMaleOneWearsHerOwnPictures()
    {
        MainForm main(sound);
        morvick.sei = 1;
        main.showmorvick();
        QCOMPARE(main.Picture1->hana0->picture().name, QStringLiteral("hana2"));
        whenShown<FirstForm>([](FirstForm& form) {
            form.namebox->setText(QStringLiteral("she"));
            form.okbutton->click();
        });
        main.mnew_Click();
        QCOMPARE(main.Picture1->hana0->picture().name, QStringLiteral("hana1"));
        QCOMPARE(main.Picture1->pale0->picture().name, QStringLiteral("pale1"));
        QCOMPARE(main.Picture1->flower0->picture().name, QStringLiteral("flower1"));
    }
};

MORVICK_WIDGET_TEST_MAIN(TestNewPlant)
#include "test_newplant.moc"
