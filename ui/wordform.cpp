#include "wordform.h"

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
    setAccessibleName(QStringLiteral("話しかける"));

    auto* Command1 = placeControl<QPushButton>(
        this, QStringLiteral("Command1"), twipRect(1680, 1680, 975, 255), QStringLiteral("OK"));
    // Neither the default nor the cancel button: Enter says a sentence only from OK itself.
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &WordForm::Command1_Click);
}

void WordForm::intoword(const std::array<QString, 4>& sentences)
{
    for (int index = 0; index < int(sword.size()); ++index) {
        // A button takes "&" for the mark of a shortcut key; a name shows it as typed.
        QString text = sentences[index];
        sword[index]->setText(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

void WordForm::Command1_Click()
{
    accept();
}
