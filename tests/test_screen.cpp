// Every window of the game on a small screen: a 1280 x 800 laptop at twice the
// scale leaves 640 x 400 for the windows.
#include "game.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

class TestScreen : public QObject
{
    Q_OBJECT

    static QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    // The colour chooser, taller than the screen, scrolls; the file window shrinks. Before the
    // game's window shows, there is nothing to sit over: a message opens mid-screen.
    void everyWindowLiesWhollyOnTheScreen_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("a store the game cannot read, told at the start") << "";
        QTest::newRow("talking") << "siikubutton2";
        QTest::newRow("accessories") << "siikubutton3";
        QTest::newRow("pot") << "mtubo";
        QTest::newRow("background colour") << "mcolor";
        QTest::newRow("picture, and its file window") << "mbmp";
        QTest::newRow("About") << "mabout";
        QTest::newRow("a new plant") << "mnew";
    }
    void everyWindowLiesWhollyOnTheScreen()
    {
        QFETCH(QString, opener);
        QCOMPARE(area().size(), QSize(640, 400)); // the screen as the test describes it
        QFile garbage(QSettings().fileName());    // a store the game cannot read, and says so
        QVERIFY(!opener.isEmpty() ||
                (QDir().mkpath(QFileInfo(garbage).path()) && garbage.open(QIODevice::WriteOnly) &&
                 garbage.write(QByteArray(64, '\xff')) == 64));
        garbage.close();
        Game game(opener.isEmpty() ? Texts{} : plantWith(""));
        QStringList astray, opened;
        const Answer look = [&](QWidget& window) {
            opened << window.objectName();
            if (!area().contains(window.frameGeometry()))
                astray << window.objectName();
            if (!game.main.isVisible() &&
                (window.frameGeometry().center() - area().center()).manhattanLength() > 2)
                astray << window.objectName() + " off the middle";
            // What does not fit scrolls.
            if (auto* scroll = window.findChild<QScrollArea*>();
                scroll && scroll->widget()->height() > scroll->viewport()->height() &&
                !scroll->verticalScrollBar()->isVisible())
                astray << "a chooser cut off";
            if (window.objectName() == "bmpform")
                clicks({"Command1"})(window);
        };
        game.start({look});
        QVERIFY(area().contains(game.main.frameGeometry()));
        if (!opener.isEmpty())
            answerModals([&] { game.trigger(opener); }, {look, look});
        QCOMPARE(astray, QStringList());
        QCOMPARE(opened.size(), opener == "mbmp" ? 2 : 1);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    return runIsolatedTest<QApplication, TestScreen>(argc, argv,
                                                     "offscreen:configfile=" MORVICK_SCREEN_CONFIG);
}
#include "test_screen.moc"
