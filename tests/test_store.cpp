#include "core/picture.h"
#include "core/store.h"
#include "testenv.h"
#include "storedsettings.h"

#include <QDate>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {
QString confPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/morvick/morvick.conf");
}


void storeText(const QString& key, const QString& text)
{
    QSettings settings;
    settings.setValue(QStringLiteral("setting/") + key, text);
    settings.sync();
}



QString writePng(const QTemporaryDir& dir)
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString path = dir.filePath(QStringLiteral("back.png"));
    image.save(path);
    return path;
}
} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private slots:
    void init() { clearStore(); }

    void anEmptyStoreGivesEveryDefault()
    {
        PlantState state;
        Store store;
        const QImage picture = setsettin(state, store);
        QVERIFY(picture.isNull());
        QCOMPARE(int(state.ai), 0);
        QCOMPARE(int(state.seiword), 1);
        QCOMPARE(state.bcolor, 16744703);
        QCOMPARE(state.bmpdir, QString());
        QCOMPARE(int(state.sei), 1);
        QCOMPARE(state.sname, QStringLiteral("ザボン"));
        QCOMPARE(int(state.sshape1), 1);
        QCOMPARE(int(state.sshape2), 1);
        QCOMPARE(int(state.swater), 0);
        QCOMPARE(int(state.smode), 0);
        QCOMPARE(int(state.days), 0);
        QCOMPARE(state.lastday, 0.0);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(int(state.sacce[i]), 0);
        QVERIFY2(storedKeys().isEmpty(), "loading must not write");
    }

    void storedTextsLoadIntoTheirTypes()
    {
        storeText(QStringLiteral("swater"), QStringLiteral("-3"));
        storeText(QStringLiteral("lastday"), QStringLiteral("46362"));
        storeText(QStringLiteral("bcolor"), QStringLiteral("255"));
        storeText(QStringLiteral("sacce3"), QStringLiteral("1"));
        storeText(QStringLiteral("ai"), QStringLiteral("-32768"));
        PlantState state;
        Store store;
        setsettin(state, store);
        QCOMPARE(int(state.swater), -3);
        QCOMPARE(state.lastday, 46362.0);
        QCOMPARE(state.bcolor, 255);
        QCOMPARE(int(state.sacce[3]), 1);
        QCOMPARE(int(state.sacce[2]), 0);
        QCOMPARE(int(state.ai), -32768);
    }

    // Without a picture path a bad text falls back to the key's default; after a
    // picture path it leaves the variable as it was.
    void badTextsNeverStopTheLoad_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<int>("expected");
        QTest::newRow("sei letters, no picture") << "sei" << "male" << false << 1;
        QTest::newRow("sei letters, picture") << "sei" << "male" << true << 7;
        QTest::newRow("swater out of range, no picture") << "swater" << "40000" << false << 0;
        QTest::newRow("swater out of range, picture") << "swater" << "40000" << true << 7;
        QTest::newRow("sshape1 decimal comma") << "sshape1" << "1,5" << false << 1;
        QTest::newRow("seiword before the picture") << "seiword" << "x" << true << 1;
        QTest::newRow("ai before the picture") << "ai" << "99999" << true << 0;
        QTest::newRow("days with spaces") << "days" << " 12 " << false << 12;
    }
    void badTextsNeverStopTheLoad()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(bool, withPicture);
        QFETCH(int, expected);
        storeText(key, text);
        if (withPicture)
            storeText(QStringLiteral("bmpdir"), QStringLiteral("/nowhere/missing.bmp"));
        storeText(QStringLiteral("sacce4"), QStringLiteral("1"));
        PlantState state;
        for (Integer* variable : {&state.sei, &state.swater, &state.sshape1, &state.days})
            *variable = 7;
        Store store;
        setsettin(state, store);
        const QHash<QString, int> loaded{{"sei", state.sei},         {"swater", state.swater},
                                         {"sshape1", state.sshape1}, {"seiword", state.seiword},
                                         {"ai", state.ai},           {"days", state.days}};
        QCOMPARE(loaded.value(key), expected);
        QCOMPARE(int(state.sacce[4]), 1); // the keys after it still load
    }

    void badDayTextsAndColoursFallBack()
    {
        storeText(QStringLiteral("lastday"), QStringLiteral("yesterday"));
        storeText(QStringLiteral("bcolor"), QStringLiteral("99999999999"));
        PlantState state;
        state.lastday = 5;
        Store store;
        setsettin(state, store);
        QCOMPARE(state.lastday, 0.0);
        QCOMPARE(state.bcolor, 16744703);
    }

    void aMissingPictureKeepsItsPathAndTheKeysAfterIt()
    {
        storeText(QStringLiteral("bmpdir"), QStringLiteral("/nowhere/missing.bmp"));
        storeText(QStringLiteral("sname"), QStringLiteral("サボ"));
        PlantState state;
        Store store;
        QVERIFY(setsettin(state, store).isNull());
        QCOMPARE(state.bmpdir, QStringLiteral("/nowhere/missing.bmp"));
        QCOMPARE(state.sname, QStringLiteral("サボ"));
        QCOMPARE(storedText(QStringLiteral("bmpdir")), QStringLiteral("/nowhere/missing.bmp"));
    }

    void aStoredPictureIsLoaded()
    {
        QTemporaryDir dir;
        storeText(QStringLiteral("bmpdir"), writePng(dir));
        PlantState state;
        Store store;
        const QImage picture = setsettin(state, store);
        QCOMPARE(picture.size(), QSize(7, 5));
    }

    void retsettinWritesItsTenKeysInTextForm()
    {
        PlantState state;
        state.ai = -5;
        state.seiword = 2;
        state.bcolor = 123;
        state.days = 400;
        state.lastday = 46362;
        state.swater = -12;
        state.sacce = {0, 1, 0, 1, 0};
        state.sname = QStringLiteral("never written");
        state.smode = 1;
        Store store;
        retsettin(state, store, 0x00112233);
        QCOMPARE(storedKeys(), (QStringList{"ai", "bcolor", "days", "lastday", "sacce1", "sacce2",
                                             "sacce3", "sacce4", "seiword", "swater"}));
        QCOMPARE(storedText("ai"), QStringLiteral("-5"));
        QCOMPARE(storedText("seiword"), QStringLiteral("2"));
        QCOMPARE(storedText("bcolor"), QStringLiteral("1122867")); // the shown colour, not bcolor
        QCOMPARE(storedText("days"), QStringLiteral("400"));
        QCOMPARE(storedText("lastday"), QStringLiteral("46362"));
        QCOMPARE(storedText("swater"), QStringLiteral("-12"));
        QCOMPARE(storedText("sacce1"), QStringLiteral("1"));
        QCOMPARE(storedText("sacce2"), QStringLiteral("0"));
    }

    void retsettinIsOnDiskBeforeItReturns()
    {
        PlantState state;
        state.days = 77;
        Store store;
        retsettin(state, store, 0);
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[setting]"));
        QVERIFY(text.contains("days=77"));
    }

    void awkwardNamesSurviveAWriteAndARead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("japanese") << QStringLiteral("サボテン太郎");
        QTest::newRow("comma") << QStringLiteral("a,b, c");
        QTest::newRow("quotes") << QStringLiteral("\"quoted\" 'single'");
        QTest::newRow("at sign first") << QStringLiteral("@Variant(x)");
        QTest::newRow("equals and bracket") << QStringLiteral("k=v [setting]");
        QTest::newRow("spaces at the ends") << QStringLiteral("  padded  ");
        QTest::newRow("backslash and semicolon") << QStringLiteral("C:\\pics\\a;b.bmp");
        QTest::newRow("newline") << QStringLiteral("two\nlines");
        QTest::newRow("long") << QString(5000, QChar(0x30B5));
    }
    void awkwardNamesSurviveAWriteAndARead()
    {
        QFETCH(QString, name);
        PlantState state;
        state.sname = name;
        {
            Store store;
            savePlant(state, store, false);
            store.write(QStringLiteral("bmpdir"), name);
            store.sync();
        }
        PlantState loaded;
        Store store;
        setsettin(loaded, store);
        QCOMPARE(loaded.sname, name);
        QCOMPARE(loaded.bmpdir, name);
    }

    void savePlantWritesTheNineKeys()
    {
        PlantState state;
        state.sname = QStringLiteral("x");
        state.sshape1 = 2;
        state.sshape2 = 3;
        state.days = 1;
        state.lastday = 46362;
        state.swater = 3;
        state.smode = 1;
        state.sei = 2;
        state.seiword = 1;
        Store store;
        savePlant(state, store, false);
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("sshape2=3")); // on disk before savePlant returns
        QCOMPARE(storedKeys(), (QStringList{"days", "lastday", "sei", "seiword", "smode", "sname",
                                             "sshape1", "sshape2", "swater"}));
        QCOMPARE(storedText("sshape2"), QStringLiteral("3"));
    }

    void deletingTheSectionBringsBackTheDefaults()
    {
        storeText(QStringLiteral("smode"), QStringLiteral("1"));
        Store store;
        store.deleteSection();
        QFile file(confPath()); // read before any other settings object could flush it
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("smode"));
        QVERIFY(storedKeys().isEmpty());
        QCOMPARE(store.read(QStringLiteral("smode"), QStringLiteral("0")), QStringLiteral("0"));
    }

    void dayNumbersCountFromTheEndOf1899()
    {
        QCOMPARE(dayNumber(QDate(1899, 12, 31)), 1.0);
        QCOMPARE(dayNumber(QDate(1900, 3, 1)), 61.0);
        QCOMPARE(dayNumber(QDate(2026, 12, 6)), 46362.0);
        QCOMPARE(dayText(46362), QStringLiteral("46362"));
        QCOMPARE(dayText(-5), QStringLiteral("-5"));
    }

    void onlyPlainPictureFilesAreOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device") << "device";
        QTest::newRow("text named jpg") << "text";
        QTest::newRow("truncated png") << "truncated";
        QTest::newRow("huge png") << "huge";
        QTest::newRow("missing") << "missing";
    }
    void onlyPlainPictureFilesAreOpened()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("picture.jpg"));
        if (kind == QLatin1String("directory")) {
            path = dir.path();
        } else if (kind == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero");
        } else if (kind == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("this is not a picture\n");
        } else if (kind == QLatin1String("truncated")) {
            QFile source(writePng(dir));
            QVERIFY(source.open(QIODevice::ReadOnly));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(source.readAll().left(40));
        } else if (kind == QLatin1String("huge")) {
            // A tiny file that claims 60000 x 60000 pixels.
            QImage image(1, 1, QImage::Format_RGB32);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            qToBigEndian<quint32>(60000, png.data() + 16);
            qToBigEndian<quint32>(60000, png.data() + 20);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(png);
        }
        QElapsedTimer timer;
        timer.start();
        QVERIFY(loadPicture(path).isNull());
        QVERIFY(timer.elapsed() < 2000);
    }

    void aPictureLoadsWhateverItsExtension()
    {
        QTemporaryDir dir;
        const QString png = writePng(dir);
        const QString renamed = dir.filePath(QStringLiteral("picture.txt"));
        QVERIFY(QFile::copy(png, renamed));
        QCOMPARE(loadPicture(renamed).size(), QSize(7, 5));
    }
};

MORVICK_TEST_MAIN(TestStore)
#include "test_store.moc"
