#include "platform/frontdoor.h"
#include "platform/helpfile.h"
#include "platform/picturefile.h"
#include "platform/qtsoundplayer.h"
#include "platform/wave.h"
#include "testenv.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/* a "file" of bytes (grown to 17 MB if "sparse"), a "link" to bytes, "fifo", "folder", "none" */
bool make(const QString& kind, const QString& path, const QByteArray& bytes = {})
{
    QFile file(path);
    if (kind == "file" || kind == "sparse")
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(bytes) == bytes.size() && (kind == "file" || file.resize(17 << 20));
    if (kind == "link")
        return QFile::link(QString::fromUtf8(bytes), path);
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return kind == "folder" ? QDir().mkpath(path) : kind == "none";
}
const auto openDescriptors = [] { return QDir("/proc/self/fd").count(); }; // each a live link
const QString bell = builtGameFolder + QStringLiteral("/bell.wav");
const QString oddName = QStringLiteral("/モルビック の 1-XXXXXX"), help = "morvickhelp.hlp";
} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    // A launcher may start the game without standard input: 0 is then the next descriptor given.
    void initTestCase() { ::close(STDIN_FILENO); }

    // The real player, on this machine's audio (none in CI), reads files with care.
    void aSoundThatWillNotPlayBeepsOnEveryPlayAndHoldsUpNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("playable");
        QTest::newRow("a sound, in a Japanese folder") << "file" << contentsOf(bell) << true;
        QTest::newRow("missing") << "none" << QByteArray() << false;
        QTest::newRow("not RIFF") << "file" << contentsOf(bell).replace(0, 4, "RIFX") << false;
        QTest::newRow("cut off in its data") << "file" << contentsOf(bell).chopped(2) << false;
        QTest::newRow("17 MB behind a real header") << "sparse" << contentsOf(bell) << false;
    }
    void aSoundThatWillNotPlayBeepsOnEveryPlayAndHoldsUpNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);
        QTemporaryDir folder(QDir::tempPath() + oddName);
        QVERIFY(make(kind, folder.filePath("tubo.wav"), bytes));
        int beeps = 0;
        QtSoundPlayer player(folder.path(), builtGameFolder, [&beeps] { ++beeps; });
        QSignalSpy loaded(&player, &QtSoundPlayer::loaded);
        player.play(Sound::Pot);
        player.play(Sound::Pot);
        QCOMPARE(beeps, kind == "none" ? 2 : 0); // only a missing file is known at once
        player.playFile(bell);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.contains({bell, true}), 10000);
        QTRY_VERIFY(kind == "none" || loaded.contains({folder.filePath("tubo.wav"), playable}));
        QTRY_COMPARE(beeps, playable ? 0 : 2);
        QVERIFY(!playable || QFile::resize(folder.filePath("tubo.wav"), 0)); // read once: no matter
        player.play(Sound::Pot);
        QTest::qWait(100); // a second reading would show by now; there is no event to wait for
        QCOMPARE(loaded.size(), kind == "none" ? 1 : playable ? 2 : 4);
        QCOMPARE(beeps, playable ? 0 : 3);
    }

    // A picture path is typed by the user; the help file counts by exact name, content unread.
    void onlyOrdinaryFilesGiveAPictureOrTheHelpFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("gives");
        static QTemporaryDir scratch;
        QImage red(20, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString png = scratch.filePath("red.png"), bmp = scratch.filePath("red.bmp");
        QVERIFY(red.save(png) && red.save(bmp));
        QByteArray huge = contentsOf(bmp); // its header made to claim 40000 x 40000 pixels
        qToLittleEndian<qint32>(40000, huge.data() + 18);
        qToLittleEndian<qint32>(40000, huge.data() + 22);
        QTest::newRow("picture") << "file" << contentsOf(png) << "picture, help";
        QTest::newRow("link to a picture") << "link" << png.toUtf8() << "picture, help";
        QTest::newRow("cut-off picture") << "file" << contentsOf(png).chopped(30) << "help";
        QTest::newRow("header of a huge picture") << "file" << huge << "help";
        QTest::newRow("missing") << "none" << QByteArray() << "nothing";
        QTest::newRow("FIFO") << "fifo" << QByteArray() << "nothing";
        QTest::newRow("folder") << "folder" << QByteArray() << "nothing";
    }
    void onlyOrdinaryFilesGiveAPictureOrTheHelpFile()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, gives);
        QTemporaryDir folder;
        const QString path = folder.filePath(help);
        QVERIFY(make(kind, path, bytes));
        const uint openBefore = openDescriptors();
        QCOMPARE(loadPicture(path).size(), gives.contains("picture") ? QSize(20, 10) : QSize(0, 0));
        QCOMPARE(helpFileIn(folder.path(), help), gives.contains("help") ? path : QString());
        QCOMPARE(openDescriptors(), openBefore); // refused or read, the file is closed again
    }

    // A second game's knock, at a door taken over from a killed game; no descriptor left open.
    void aKnockBringsTheGameToTheFront()
    {
        const QString path = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/door"; // the test's own
        const uint openBefore = openDescriptors();
        {
            FrontDoor killed(path), door(path);
            QSignalSpy front(&door, &FrontDoor::comeToFront);
            QCOMPARE(QFile::permissions(path), // the player's alone
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            askToComeToFront(path), askToComeToFront(path);
            QTRY_COMPARE(front.size(), 2);
            QCOMPARE(openDescriptors(), openBefore + 2); // the two doors' own
        }
        QVERIFY(make("file", path, "mine"));
        const FrontDoor beside(path); // what is no socket stays, and no door opens there
        QCOMPARE(contentsOf(path), "mine");
        QCOMPARE(openDescriptors(), openBefore);
    }

    // Chunks start on even offsets: an odd-sized one is followed by a pad byte.
    void aWaveHoldsAllItDeclares_data()
    {
        QTest::addColumn<QByteArray>("chunks");
        QTest::addColumn<bool>("complete");
        const QByteArray format = QByteArray("fmt \x10\0\0\0", 8) + QByteArray(16, '\1');
        const QByteArray data = QByteArray("data\x04\0\0\0", 8) + QByteArray(4, '\0');
        const QByteArray odd = QByteArray("LIST\x03\0\0\0", 8) + "abc";
        QTest::newRow("format, data") << format + data << true;
        QTest::newRow("an odd chunk, its pad, the data") << format + odd + '\0' + data << true;
        QTest::newRow("an odd chunk without its pad") << format + odd + data << false;
        QTest::newRow("data before the format") << data + format << false;
        QTest::newRow("data cut short") << format + data.chopped(1) << false;
    }
    void aWaveHoldsAllItDeclares()
    {
        QFETCH(QByteArray, chunks);
        QByteArray wave = "RIFF" + QByteArray(4, '\0') + "WAVE" + chunks;
        qToLittleEndian<quint32>(quint32(wave.size() - 8), wave.data() + 4);
        QTEST(isCompleteWave(wave), "complete");
    }
};

MORVICK_TEST_MAIN(QGuiApplication, TestPlatform)
#include "test_platform.moc"
