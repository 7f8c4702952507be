#include "care/qtsoundplayer.h"
#include "testenv.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
const QString soundsDirectory = QStringLiteral(MORVICK_BIN_DIR);

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The real player, on whatever audio this machine has (none on a build server).
class TestSoundPlayer : public QObject
{
    Q_OBJECT
    int beeps = 0;

private slots:
    void init() { beeps = 0; }

    void theGameSoundsArePlayable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("water") << "water.wav";
        QTest::newRow("bell") << "bell.wav";
        QTest::newRow("tubo") << "tubo.wav";
    }
    void theGameSoundsArePlayable()
    {
        QFETCH(QString, name);
        QtSoundPlayer player([this] { ++beeps; });
        QSignalSpy loaded(&player, &QtSoundPlayer::loaded);
        const QString path = soundsDirectory + QLatin1Char('/') + name;
        player.play(path);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 10000);
        QCOMPARE(loaded.at(0).at(0).toString(), path);
        QCOMPARE(loaded.at(0).at(1).toBool(), true);
        QCOMPARE(beeps, 0);
    }

    void aFolderWithAnyNameWorks()
    {
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/モルビック #1 %20-XXXXXX"));
        const QString path = writeFile(folder, QStringLiteral("water.wav"),
                                       contentsOf(soundsDirectory + "/water.wav"));
        QtSoundPlayer player([this] { ++beeps; });
        QSignalSpy loaded(&player, &QtSoundPlayer::loaded);
        player.play(path);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 10000);
        QCOMPARE(loaded.at(0).at(1).toBool(), true);
    }

    void aMissingFileBeepsAtOnce()
    {
        QtSoundPlayer player([this] { ++beeps; });
        QSignalSpy loaded(&player, &QtSoundPlayer::loaded);
        player.play(QStringLiteral("/nonexistent/water.wav"));
        QCOMPARE(beeps, 1);
        player.play(QStringLiteral("/nonexistent/water.wav"));
        QCOMPARE(beeps, 2);
        QTest::qWait(50);
        QCOMPARE(loaded.size(), 0);
    }

    // A file that is there but will not play sounds like a missing one, and is
    // read with care: never a device, a FIFO or more than a short effect needs.
    void aFileThatIsNoSoundGivesTheDefaultSound_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << "file" << QByteArray();
        QTest::newRow("text") << "file" << QByteArray("not a sound at all\n");
        QTest::newRow("cut-off header") << "file" << QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16);
        QTest::newRow("link to /dev/zero") << "zero" << QByteArray();
        QTest::newRow("FIFO") << "fifo" << QByteArray();
        QTest::newRow("17 MB") << "huge" << QByteArray();
    }
    void aFileThatIsNoSoundGivesTheDefaultSound()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString broken = folder.filePath(QStringLiteral("bell.wav"));
        if (kind == "file")
            writeFile(folder, QStringLiteral("bell.wav"), bytes);
        else if (kind == "zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), broken));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(broken).constData(), 0600), 0);
        else {
            // A whole WAV header in front of a sparse tail: a sound, only too big.
            QFile file(writeFile(folder, QStringLiteral("bell.wav"),
                                 contentsOf(soundsDirectory + "/bell.wav")));
            QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(17 * 1024 * 1024));
        }
        const QString good = soundsDirectory + QStringLiteral("/water.wav");
        QtSoundPlayer player([this] { ++beeps; });
        QSignalSpy loaded(&player, &QtSoundPlayer::loaded);
        player.play(broken);
        player.play(broken);
        // A file the decoder chokes on must not hold up the sounds after it.
        player.play(good);
        const auto goodLoaded = [&loaded, &good] {
            return std::any_of(loaded.cbegin(), loaded.cend(),
                               [&good](const QList<QVariant>& args) {
                                   return args.at(0).toString() == good && args.at(1).toBool();
                               });
        };
        QTRY_VERIFY_WITH_TIMEOUT(goodLoaded(), 10000);
        QTRY_COMPARE(beeps, 2);
        for (const QList<QVariant>& args : std::as_const(loaded))
            if (args.at(0).toString() == broken)
                QVERIFY(!args.at(1).toBool());
    }

    void soundsInQuickSuccessionAndAQuitMidSound()
    {
        QtSoundPlayer player([this] { ++beeps; });
        QSignalSpy loaded(&player, &QtSoundPlayer::loaded);
        for (int round = 0; round < 5; ++round)
            for (const char* name : {"water.wav", "bell.wav", "tubo.wav"})
                player.play(soundsDirectory + QLatin1Char('/') + QLatin1String(name));
        // Each file is read once however often it is played.
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 3, 10000);
        QCOMPARE(beeps, 0);
    }
};

MORVICK_WIDGET_TEST_MAIN(TestSoundPlayer)
#include "test_soundplayer.moc"
