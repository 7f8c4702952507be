// Every window of the game on a small screen: a 1280 x 800 laptop at twice the
// scale leaves 640 x 400 for the windows.
#include "testenv.h"
#include "ui/controls.h"
#include "ui/mainform.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {
QRect area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestScreen : public QObject
{
    Q_OBJECT

private slots:
    void init() { storeTexts({{"smode", "1"}, {"lastday", "46362"}}); }

    void everyWindowLiesWhollyOnTheScreen_data()
    {
        QTest::addColumn<QString>("opener");
        // clang-format off
        QTest::newRow("talking") << "siikubutton2";
        QTest::newRow("accessories") << "siikubutton3";
        QTest::newRow("pot") << "mtubo";
        QTest::newRow("background picture") << "mbmp";
        QTest::newRow("background colour") << "mcolor";
        QTest::newRow("About") << "mabout";
        QTest::newRow("a new plant") << "mnew";
        // clang-format on
    }
    void everyWindowLiesWhollyOnTheScreen()
    {
        QFETCH(QString, opener);
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.Form_Load();
        centreOnScreen(main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(area().contains(main.frameGeometry()));
        QRect shown;
        answerModals(
            [&] {
                if (auto* button = main.centralWidget()->findChild<QAbstractButton*>(opener))
                    button->click();
                else
                    main.findChild<QAction*>(opener)->trigger();
            },
            {[&](QWidget& window) { shown = window.frameGeometry(); }});
        QVERIFY(!shown.isEmpty());
        QVERIFY(area().contains(shown));
    }

    // Taller than the screen, the colour chooser scrolls; the file window shrinks.
    void windowsLargerThanTheScreenScrollOrShrink()
    {
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        main.Form_Load();
        centreOnScreen(main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        bool scrolls = false;
        QRect colour, files;
        answerModals([&] { main.findChild<QAction*>("mcolor")->trigger(); }, {[&](QWidget& window) {
                         colour = window.frameGeometry();
                         scrolls =
                             window.findChild<QScrollArea*>()->verticalScrollBar()->isVisible();
                     }});
        QVERIFY(area().contains(colour));
        QVERIFY(scrolls);
        // The file window opens from the picture window's Browse.
        answerModals(
            [&] { main.findChild<QAction*>("mbmp")->trigger(); },
            {[](QWidget& picture) { picture.findChild<QAbstractButton*>("Command1")->click(); },
             [&](QWidget& window) { files = window.frameGeometry(); }});
        QVERIFY(!files.isEmpty());
        QVERIFY(area().contains(files));
    }

    // Before the game's window shows there is nothing to sit over: the middle of the screen.
    void aMessageBeforeTheGamesWindowOpensInTheMiddleOfTheScreen()
    {
        QFile garbage(QSettings().fileName()); // a store the game cannot read, and says so
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(64, '\xff')) == 64);
        garbage.close();
        World world;
        FakeSound sound;
        MainForm main(world.seams(), sound);
        QString message;
        QPoint messageCentre;
        answerModals([&] { main.Form_Load(); }, {[&](QWidget& window) {
                         message = window.objectName();
                         messageCentre = window.frameGeometry().center();
                     }});
        QCOMPARE(message, "storenotice");
        QVERIFY((messageCentre - area().center()).manhattanLength() <= 2);
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    const QString config = folder.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"windowFrameMargins": true, "screens": [{"name": "laptop", "x": 0, "y": 0,
                   "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") <
            0)
        return 1;
    file.close();
    qputenv("QT_SCALE_FACTOR", "2");
    return runIsolatedTest<QApplication, TestScreen>(
        argc, argv, "offscreen:configfile=" + config.toLocal8Bit());
}
#include "test_screen.moc"
