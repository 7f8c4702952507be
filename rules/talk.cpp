#include "talk.h"

#include <QCoreApplication>
#include <array>

namespace {
// One sentence in both speech styles; "%1" stands where the plant's name goes.
struct Sentence {
    const char* feminine;
    const char* masculine;
};

// By button 1..3, then by draw 1..3. The feminine speech is the softer, gentler
// register; the masculine one the plainer, blunter.
constexpr std::array<std::array<Sentence, 3>, 3> sentences{{
    {{
        //: Said to the plant in soft, gentle speech: "I love you"; %1 is its name
        {QT_TRANSLATE_NOOP("Talk", "%1、愛してるわ"),
         //: Said to the plant in plain, blunt speech: "I love you"; %1 is its name
         QT_TRANSLATE_NOOP("Talk", "%1、愛してるよ")},
        //: Said to the plant in soft, gentle speech: "I am yours alone"
        {QT_TRANSLATE_NOOP("Talk", "私は貴方だけのものよ"),
         //: Said to the plant in plain, blunt speech: "I could fall into your eyes"
         QT_TRANSLATE_NOOP("Talk", "君の瞳に吸い込まれそうさ")},
        //: Said to the plant in soft, gentle speech: "you are the best in my world"; %1 is its name
        {QT_TRANSLATE_NOOP("Talk", "%1が私の世界一よ"),
         //: Said to the plant in plain, blunt speech: "the most beautiful in the world"; %1 is its
         //: name
         QT_TRANSLATE_NOOP("Talk", "世界で一番奇麗だよ、%1")},
    }},
    {{
        //: Said to the plant in soft, gentle speech: "hey... may I be a little spoilt today?"; %1
        //: is its name
        {QT_TRANSLATE_NOOP("Talk", "ねぇ%1・・・今日は甘えてもいい？"),
         //: Said to the plant in plain, blunt speech: "may I lean on you today?"; %1 is its name
         QT_TRANSLATE_NOOP("Talk", "%1・・・今日は君に甘えてもいいかい？")},
        //: Said to the plant in soft, gentle speech: "darling, you look wonderful today too"
        {QT_TRANSLATE_NOOP("Talk", "ダーリン、今日も素敵よ"),
         //: Said to the plant in plain, blunt speech: "my honey, you are cute today too"
         QT_TRANSLATE_NOOP("Talk", "僕のハニー、今日も可愛いね")},
        //: Said to the plant in soft, gentle speech: "do you... like me too?"; %1 is its name
        {QT_TRANSLATE_NOOP("Talk", "%1も私のこと・・・好き？"),
         //: Said to the plant in plain, blunt speech: "do you like me too?"; %1 is its name
         QT_TRANSLATE_NOOP("Talk", "%1も僕のこと好きかい？")},
    }},
    {{
        //: Said to the plant in soft, gentle speech: "your smile is shining"; %1 is its name
        {QT_TRANSLATE_NOOP("Talk", "%1、笑顔が輝いてるわ"),
         //: Said to the plant in plain, blunt speech: "your smile is lovely"; %1 is its name
         QT_TRANSLATE_NOOP("Talk", "%1、笑顔が素敵だね")},
        //: Said to the plant in soft, gentle speech: "I will protect you"
        {QT_TRANSLATE_NOOP("Talk", "貴方は私が守ってあげる"),
         //: Said to the plant in plain, blunt speech: "I will protect you"
         QT_TRANSLATE_NOOP("Talk", "君は僕が守ってあげるよ")},
        //: Said to the plant in soft, gentle speech: "oh darling, you are just like a child"
        {QT_TRANSLATE_NOOP("Talk", "ダーリンったら、子供みたいなんだから"),
         //: Said to the plant in plain, blunt speech: "even your sulky face is cute, my honey"
         QT_TRANSLATE_NOOP("Talk", "スネた顔もキュートだね、マイハニー")},
    }},
}};
} // namespace

QString greeting(int hour)
{
    if (hour >= 6 && hour <= 10)
        //: Said to the plant from 6 to 10 o'clock; %1 is its name
        return QCoreApplication::translate("Talk", "おはよう、%1");
    if (hour >= 11 && hour <= 17)
        //: Said to the plant from 11 to 17 o'clock; %1 is its name
        return QCoreApplication::translate("Talk", "こんにちは、%1");
    if (hour >= 18 && hour <= 22)
        //: Said to the plant from 18 to 22 o'clock; %1 is its name
        return QCoreApplication::translate("Talk", "こんばんは、%1");
    //: Said to the plant from 23 to 5 o'clock; %1 is its name
    return QCoreApplication::translate("Talk", "おやすみ、%1");
}

QString talkSentence(int button, int draw, int seiword)
{
    const Sentence& sentence = sentences.at(button - 1).at(draw - 1);
    return QCoreApplication::translate("Talk",
                                       seiword == 2 ? sentence.feminine : sentence.masculine);
}

QString withName(const QString& sentence, const QString& name)
{
    // replace() does not look into the name it puts in, so a name with "%1" stays as it is.
    return QString(sentence).replace(QStringLiteral("%1"), name);
}

std::array<QString, 4> talkSentences(const PlantState& state, const Draw& draw)
{
    std::array<QString, 4> said{greeting(state.shour)};
    for (int button = 1; button <= 3; ++button)
        said[button] = talkSentence(button, drawFrom(draw, 3), state.seiword);
    return said;
}

bool plantAnswers(PlantState& state, const Draw& draw)
{
    state.ai += 1;
    if (state.ai < 0)
        return false;
    const int odds = state.ai < 10 ? 10 : state.ai < 30 ? 5 : 3;
    return drawFrom(draw, odds) == 1;
}

QString reactionLine(int draw, int sei)
{
    const bool male = sei == 1;
    if (draw == 3 && male)
        //: A male plant's answer when he is talked to: he goes red in the face
        return QCoreApplication::translate("Talk", "顔を赤くしています");
    if (draw == 7 && male)
        //: A male plant's answer when he is talked to: he watches with gentle eyes
        return QCoreApplication::translate("Talk", "優しい瞳で見つめています");
    switch (draw) {
    case 1:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "ちょっと恥ずかしそうです");
    case 2:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "喜んでいるようです");
    case 3:
        //: A female plant's answer when she is talked to: she blushes faintly
        return QCoreApplication::translate("Talk", "ほんのり頬を染めています");
    case 4:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "あなたをじっと見つめています");
    case 5:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "あなたを気に入っているようです");
    case 6:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "すっかりあなたの虜です");
    case 7:
        //: A female plant's answer when she is talked to: she looks down
        return QCoreApplication::translate("Talk", "うつむいています");
    case 8:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "寂しがっています");
    case 9:
        //: The plant's answer when it is talked to
        return QCoreApplication::translate("Talk", "恋しそうな目をしています");
    }
    //: The plant's answer when it is talked to
    return QCoreApplication::translate("Talk", "照れているようです");
}
