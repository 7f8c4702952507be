#include "talk.h"

#include <array>

namespace {
// One sentence in both speech styles; "%1" stands where the plant's name goes.
struct Sentence {
    const char16_t* feminine;
    const char16_t* masculine;
};

// By button 1..3, then by draw 1..3.
constexpr std::array<std::array<Sentence, 3>, 3> sentences{{
    {{
        {u"%1、愛してるわ", u"%1、愛してるよ"},
        {u"私は貴方だけのものよ", u"君の瞳に吸い込まれそうさ"},
        {u"%1が私の世界一よ", u"世界で一番奇麗だよ、%1"},
    }},
    {{
        {u"ねぇ%1・・・今日は甘えてもいい？", u"%1・・・今日は君に甘えてもいいかい？"},
        {u"ダーリン、今日も素敵よ", u"僕のハニー、今日も可愛いね"},
        {u"%1も私のこと・・・好き？", u"%1も僕のこと好きかい？"},
    }},
    {{
        {u"%1、笑顔が輝いてるわ", u"%1、笑顔が素敵だね"},
        {u"貴方は私が守ってあげる", u"君は僕が守ってあげるよ"},
        {u"ダーリンったら、子供みたいなんだから", u"スネた顔もキュートだね、マイハニー"},
    }},
}};

QString withName(const char16_t* sentence, const QString& name)
{
    // replace() does not look into the name it puts in, so a name with "%1" stays as it is.
    return QString::fromUtf16(sentence).replace(QStringLiteral("%1"), name);
}
} // namespace

QString greeting(int hour, const QString& name)
{
    if (hour >= 6 && hour <= 10)
        return QStringLiteral("おはよう、") + name;
    if (hour >= 11 && hour <= 17)
        return QStringLiteral("こんにちは、") + name;
    if (hour >= 18 && hour <= 22)
        return QStringLiteral("こんばんは、") + name;
    return QStringLiteral("おやすみ、") + name;
}

QString talkSentence(int button, int draw, int seiword, const QString& name)
{
    const Sentence& sentence = sentences.at(button - 1).at(draw - 1);
    return withName(seiword == 2 ? sentence.feminine : sentence.masculine, name);
}

std::array<QString, 4> talkSentences(const PlantState& state, const Draw& draw)
{
    std::array<QString, 4> said{greeting(state.shour, state.sname)};
    for (int button = 1; button <= 3; ++button)
        said[button] = talkSentence(button, drawFrom(draw, 3), state.seiword, state.sname);
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
    switch (draw) {
    case 1:
        return QStringLiteral("ちょっと恥ずかしそうです");
    case 2:
        return QStringLiteral("喜んでいるようです");
    case 3:
        return male ? QStringLiteral("顔を赤くしています")
                    : QStringLiteral("ほんのり頬を染めています");
    case 4:
        return QStringLiteral("あなたをじっと見つめています");
    case 5:
        return QStringLiteral("あなたを気に入っているようです");
    case 6:
        return QStringLiteral("すっかりあなたの虜です");
    case 7:
        return male ? QStringLiteral("優しい瞳で見つめています")
                    : QStringLiteral("うつむいています");
    case 8:
        return QStringLiteral("寂しがっています");
    case 9:
        return QStringLiteral("恋しそうな目をしています");
    }
    return QStringLiteral("照れているようです");
}
