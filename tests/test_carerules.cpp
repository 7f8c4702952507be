#include "care/talk.h"
#include "care/wave.h"

#include <QtTest>

namespace {
QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray bytes = QByteArray(id, 4) + littleEndian32(quint32(body.size())) + body;
    if (body.size() % 2)
        bytes += '\0';
    return bytes;
}

QByteArray riff(const char* kind, const QByteArray& chunks)
{
    return "RIFF" + littleEndian32(quint32(4 + chunks.size())) + QByteArray(kind, 4) + chunks;
}

// 22050 Hz, mono, 16-bit PCM.
const QByteArray pcmFormat = QByteArray::fromHex("010001002256000044ac000002001000");
const QByteArray format = chunk("fmt ", pcmFormat);
const QByteArray samples = chunk("data", QByteArray(100, '\x10'));

const QString zabon = QStringLiteral("ザボン");
} // namespace

class TestCareRules : public QObject
{
    Q_OBJECT
private slots:
    void greetingFollowsTheHour_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("greeting");
        const QString night = QStringLiteral("おやすみ、");
        const QString morning = QStringLiteral("おはよう、");
        const QString day = QStringLiteral("こんにちは、");
        const QString evening = QStringLiteral("こんばんは、");
        for (const auto& [hour, text] : {std::pair{0, night},
                                         {5, night},
                                         {6, morning},
                                         {10, morning},
                                         {11, day},
                                         {17, day},
                                         {18, evening},
                                         {22, evening},
                                         {23, night}})
            QTest::addRow("%02d:00", hour) << hour << text + zabon;
    }
    void greetingFollowsTheHour()
    {
        QFETCH(int, hour);
        QFETCH(QString, greeting);
        QCOMPARE(::greeting(hour, zabon), greeting);
    }

    void sentencesByButtonDrawAndSpeech_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("feminine");
        QTest::addColumn<QString>("masculine");
        const QString n = zabon;
        const auto row = [](int button, int draw, const QString& feminine,
                            const QString& masculine) {
            QTest::addRow("sword(%d) draw %d", button, draw)
                << button << draw << feminine << masculine;
        };
        row(1, 1, n + "、愛してるわ", n + "、愛してるよ");
        row(1, 2, "私は貴方だけのものよ", "君の瞳に吸い込まれそうさ");
        row(1, 3, n + "が私の世界一よ", "世界で一番奇麗だよ、" + n);
        row(2, 1, "ねぇ" + n + "・・・今日は甘えてもいい？",
            n + "・・・今日は君に甘えてもいいかい？");
        row(2, 2, "ダーリン、今日も素敵よ", "僕のハニー、今日も可愛いね");
        row(2, 3, n + "も私のこと・・・好き？", n + "も僕のこと好きかい？");
        row(3, 1, n + "、笑顔が輝いてるわ", n + "、笑顔が素敵だね");
        row(3, 2, "貴方は私が守ってあげる", "君は僕が守ってあげるよ");
        row(3, 3, "ダーリンったら、子供みたいなんだから", "スネた顔もキュートだね、マイハニー");
    }
    void sentencesByButtonDrawAndSpeech()
    {
        QFETCH(int, button);
        QFETCH(int, draw);
        QFETCH(QString, feminine);
        QFETCH(QString, masculine);
        QCOMPARE(talkSentence(button, draw, 2, zabon), feminine);
        QCOMPARE(talkSentence(button, draw, 1, zabon), masculine);
        // Only 2 is feminine speech.
        QCOMPARE(talkSentence(button, draw, 0, zabon), masculine);
        QCOMPARE(talkSentence(button, draw, 3, zabon), masculine);
    }

    void aNameIsTakenAsItIs()
    {
        const QString name = QStringLiteral("%1 %2");
        QCOMPARE(talkSentence(1, 1, 1, name), name + "、愛してるよ");
        QCOMPARE(talkSentence(1, 3, 1, name), "世界で一番奇麗だよ、" + name);
        QCOMPARE(talkSentence(2, 1, 2, name), "ねぇ" + name + "・・・今日は甘えてもいい？");
        QCOMPARE(greeting(7, name), "おはよう、" + name);
    }

    void reactionsByDrawAndSex_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("male");
        QTest::addColumn<QString>("female");
        const auto row = [](int draw, const QString& male, const QString& female) {
            QTest::addRow("draw %d", draw) << draw << male << female;
        };
        row(1, "ちょっと恥ずかしそうです", "ちょっと恥ずかしそうです");
        row(2, "喜んでいるようです", "喜んでいるようです");
        row(3, "顔を赤くしています", "ほんのり頬を染めています");
        row(4, "あなたをじっと見つめています", "あなたをじっと見つめています");
        row(5, "あなたを気に入っているようです", "あなたを気に入っているようです");
        row(6, "すっかりあなたの虜です", "すっかりあなたの虜です");
        row(7, "優しい瞳で見つめています", "うつむいています");
        row(8, "寂しがっています", "寂しがっています");
        row(9, "恋しそうな目をしています", "恋しそうな目をしています");
        row(10, "照れているようです", "照れているようです");
    }
    void reactionsByDrawAndSex()
    {
        QFETCH(int, draw);
        QFETCH(QString, male);
        QFETCH(QString, female);
        QCOMPARE(reactionLine(draw, 1), male);
        QCOMPARE(reactionLine(draw, 2), female);
        // Only 1 is male.
        QCOMPARE(reactionLine(draw, 0), female);
        QCOMPARE(reactionLine(draw, -1), female);
    }

    void onlyWholeWaveFilesArePlayed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("complete");
        const QByteArray whole = riff("WAVE", format + samples);
        QTest::newRow("whole") << whole << true;
        QTest::newRow("odd chunk before the data")
            << riff("WAVE", format + chunk("LIST", "abc") + samples) << true;
        QTest::newRow("samples cut short") << whole.chopped(10) << false;
        QTest::newRow("data header cut") << whole.left(40) << false;
        QTest::newRow("format cut") << whole.left(20) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("not WAVE") << riff("AVI ", format + samples) << false;
        QTest::newRow("no format") << riff("WAVE", samples) << false;
        QTest::newRow("data before format") << riff("WAVE", samples + format) << false;
        QTest::newRow("size past the end")
            << riff("WAVE", format + "data" + littleEndian32(0xffffffff)) << false;
    }
    void onlyWholeWaveFilesArePlayed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, complete);
        QCOMPARE(isCompleteWave(bytes), complete);
    }
};

QTEST_GUILESS_MAIN(TestCareRules)
#include "test_carerules.moc"
