#include "tuboform.h"

#include <QPushButton>
#include <QRadioButton>

TuboForm::TuboForm(QWidget* parent)
    : GameDialog(parent, QStringLiteral("tuboform"), QSize(3375, 1815))
{
    // Made in tab order: CANCEL first, so the window opens with the focus on it.
    //: Button: keep the pot
    auto* cancelbutton = placeControl<QPushButton>(this, QStringLiteral("cancelbutton"),
                                                   twipRect(2280, 1440, 975, 255), tr("CANCEL"));
    //: Button: move the plant into the chosen pot
    auto* okbutton = placeControl<QPushButton>(this, QStringLiteral("okbutton"),
                                               twipRect(1200, 1440, 975, 255), tr("OK"));
    // Here the pots are opaque pictures on pink.
    sshape2 = placePotPicker(this, twipRect(120, 0, 3135, 1335), QColor(255, 132, 255));
    for (QPushButton* button : {cancelbutton, okbutton})
        button->setAutoDefault(false);
    setCancelButton(cancelbutton);
    //: The pot window, as a screen reader names it
    setAccessibleName(tr("つぼの種類"));

    connect(okbutton, &QPushButton::clicked, this, &TuboForm::okbutton_Click);
    connect(cancelbutton, &QPushButton::clicked, this, &TuboForm::cancelbutton_Click);
}

std::optional<int> TuboForm::chosenPot() const
{
    for (int i = 0; i < int(sshape2.size()); ++i)
        if (sshape2[i]->isChecked())
            return i + 1;
    return std::nullopt;
}

void TuboForm::okbutton_Click()
{
    accept();
}

void TuboForm::cancelbutton_Click()
{
    reject();
}
