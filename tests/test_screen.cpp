// Every window of the game on a small screen: a 1280 x 800 laptop at twice the
// scale leaves 640 x 400 for the windows.
#include "game.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

class TestScreen : public QObject
{
    Q_OBJECT

private slots:
    // The colour chooser, taller than the screen, scrolls; the file window shrinks. Before the
    // game's window shows, there is nothing to sit over: a message opens mid-screen.
    void everyWindowLiesWhollyOnTheScreen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(area.size(), QSize(640, 400)); // the screen as the test describes it
        QFile garbage(QSettings().fileName());  // a store the game cannot read, and says so
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(64, '\xff')) == 64);
        garbage.close();
        Game game({});
        QStringList opened, astray;
        const Answer look = [&](QWidget& window) {
            opened << window.objectName();
            const auto* scroll = window.findChild<QScrollArea*>(); // what does not fit scrolls
            if (!area.contains(window.frameGeometry()) ||
                (!game.main.isVisible() &&
                 (window.frameGeometry().center() - area.center()).manhattanLength() > 2) ||
                (scroll && scroll->widget()->height() > scroll->viewport()->height() &&
                 !scroll->verticalScrollBar()->isVisible()))
                astray << window.objectName();
            if (window.objectName() == "bmpform")
                clicks({"Command1"})(window);
        };
        game.start({look});
        QVERIFY(area.contains(game.main.frameGeometry()));
        const auto openAll = [&game] {
            for (const char* opener :
                 {"siikubutton2", "siikubutton3", "mtubo", "mcolor", "mbmp", "mabout", "mnew"})
                game.trigger(opener);
        };
        answerModals(openAll, QList<Answer>(8, look));
        QCOMPARE(astray, QStringList());
        QCOMPARE(opened.join(" "),
                 "storenotice wordform acceform tuboform colourdialog bmpform QFileDialog "
                 "aboutform firstform");
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    return runIsolatedTest<QApplication, TestScreen>(argc, argv,
                                                     "offscreen:configfile=" MORVICK_SCREEN_CONFIG);
}
#include "test_screen.moc"
