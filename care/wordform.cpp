#include "wordform.h"

#include "core/clock.h"
#include "core/controls.h"
#include "core/mainform.h"
#include "core/morvick.h"
#include "core/random.h"
#include "core/twips.h"
#include "talk.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
// A button takes "&" for the mark of a shortcut key; a name shows it as typed.
QString buttonText(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

WordForm::WordForm(MainForm& owner) : GameDialog(&owner), mainform(owner)
{
    setObjectName(QStringLiteral("wordform"));
    setWindowTitle(QString());
    setFixedSize(px(4470), px(2055));

    for (int index = 0; index < int(sword.size()); ++index) {
        auto* option = placeControl<QRadioButton>(this, QStringLiteral("sword(%1)").arg(index),
                                                  twipRect(120, 120 + 360 * index, 4215, 255),
                                                  QStringLiteral("Option1"));
        sword[index] = option;
    }
    sword[0]->setChecked(true);

    Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                         twipRect(1680, 1680, 975, 255), QStringLiteral("OK"));
    // Enter must not say a sentence the user has not settled on.
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &WordForm::Command1_Click);
}

void WordForm::intoword()
{
    sword[0]->setText(buttonText(greeting(morvick.shour, morvick.sname)));
    for (int button = 1; button <= 3; ++button)
        sword[button]->setText(
            buttonText(talkSentence(button, drawFrom(3), morvick.seiword, morvick.sname)));
}

void WordForm::Command1_Click()
{
    morvick.ai += 1;
    const int odds = reactionOdds(morvick.ai);
    if (odds > 0 && drawFrom(odds) == 1)
        showreaction();
    else
        mainform.smsgbox->clear();
    accept();
}

void WordForm::showreaction()
{
    mainform.smsgbox->setText(reactionLine(drawFrom(10), morvick.sei));
}

void MainForm::siikubutton2_Click()
{
    WordForm wordform(*this);
    placeOnScreen(wordform, frameGeometry().topLeft() + twipOffset(1500, 420), *this);
    morvick.shour = currentHour();
    wordform.intoword();
    wordform.exec();
}
