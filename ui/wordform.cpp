#include "wordform.h"

#include "fittedname.h"

#include <QPushButton>
#include <QRadioButton>

WordForm::WordForm(QWidget* parent)
    : GameDialog(parent, QStringLiteral("wordform"), QSize(4470, 2055))
{
    for (int index = 0; index < int(sword.size()); ++index)
        sword[index] = placeControl<QRadioButton>(this, QStringLiteral("sword(%1)").arg(index),
                                                  twipRect(120, 120 + 360 * index, 4215, 255),
                                                  QStringLiteral("Option1"));
    sword[0]->setChecked(true);
    //: The talking window, as a screen reader names it
    setAccessibleName(tr("話しかける"));

    //: Button: say the chosen sentence
    auto* Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                               twipRect(1680, 1680, 975, 255), tr("OK"));
    // Neither the default nor the cancel button: Enter says a sentence only from OK itself.
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &WordForm::Command1_Click);
}

void WordForm::intoword(const std::array<QString, 4>& sentences, const QString& name)
{
    for (int index = 0; index < int(sword.size()); ++index)
        showFittedSentence(*sword[index], sentences[index], name);
}

void WordForm::Command1_Click()
{
    accept();
}
