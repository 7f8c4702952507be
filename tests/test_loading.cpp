// The game maps the libraries it needs only now and then (sound, help) only
// when they are first needed.
#include "platform/qtsoundplayer.h"
#include "testenv.h"
#include "ui/mainform.h"

#include <QAction>
#include <QPushButton>

namespace {
/* which of Qt's Help, SQL and Multimedia libraries this process has mapped */
QStringList mappedHeavyLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    maps.open(QIODevice::ReadOnly);
    const QByteArray mapped = maps.readAll();
    QStringList found;
    for (const char* library : {"libQt6Help", "libQt6Sql", "libQt6Multimedia"})
        if (mapped.contains(library))
            found << QLatin1String(library);
    return found;
}
} // namespace

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void soundAndHelpAreLoadedAtTheirFirstUse()
    {
        storeTexts({{"smode", "1"}, {"lastday", "46362"}});
        World world;
        QtSoundPlayer sounds(world.folder, world.plugins, [] {});
        MainForm main(world.seams(), sounds);
        main.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(mappedHeavyLibraries(), QStringList());

        main.findChild<QPushButton*>("siikubutton1")->click();
        QTRY_COMPARE(mappedHeavyLibraries(), QStringList{"libQt6Multimedia"});

        main.findChild<QAction*>("mhepl1")->trigger();
        QWidget* help = helpWindow();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(mappedHeavyLibraries(),
                 QStringList({"libQt6Help", "libQt6Sql", "libQt6Multimedia"}));
    }
};

MORVICK_TEST_MAIN(QApplication, TestLoading)
#include "test_loading.moc"
