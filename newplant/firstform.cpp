#include "firstform.h"

#include "core/clock.h"
#include "core/controls.h"
#include "core/ending.h"
#include "core/store.h"
#include "core/twips.h"
#include "view/imagecontrol.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

namespace {
ImageControl* makeImage(QWidget* parent, const char* name, const QRect& rect, const char* picture)
{
    auto* image = new ImageControl(QString::fromLatin1(name), rect, parent);
    image->setPicture(resourcePicture(QString::fromLatin1(picture)));
    image->setStretch(true);
    return image;
}
} // namespace

FirstForm::FirstForm(QWidget* parent) : GameDialog(parent)
{
    setObjectName(QStringLiteral("firstform"));
    setWindowTitle(QString());
    setFixedSize(px(5655), px(2775));

    Frame1 = placeControl<QGroupBox>(this, QStringLiteral("Frame1"), twipRect(120, 0, 1695, 615),
                                     QStringLiteral("名前"));
    namebox =
        placeControl<QLineEdit>(Frame1, QStringLiteral("namebox"), twipRect(120, 240, 1455, 270));
    // A name may be as long as the user likes.
    namebox->setMaxLength(std::numeric_limits<int>::max());

    Frame2 = placeControl<QGroupBox>(this, QStringLiteral("Frame2"), twipRect(120, 720, 2175, 1575),
                                     QStringLiteral("モルビックの形"));
    Image1 = makeImage(Frame2, "Image1", twipRect(120, 240, 945, 900), "morvick13");
    Image2 = makeImage(Frame2, "Image2", twipRect(1080, 240, 945, 900), "morvick23");
    for (int i = 0; i < 2; ++i)
        sshape1[i] = placeControl<QRadioButton>(Frame2, QStringLiteral("sshape1(%1)").arg(i),
                                                twipRect(480 + 960 * i, 1200, 255, 255));

    Frame3 = placeControl<QGroupBox>(this, QStringLiteral("Frame3"),
                                     twipRect(2400, 960, 3135, 1335), QStringLiteral("つぼの形"));
    Image3 = makeImage(Frame3, "Image3", twipRect(120, 240, 945, 600), "tubo1");
    Image4 = makeImage(Frame3, "Image4", twipRect(1080, 240, 945, 600), "tubo2");
    Image5 = makeImage(Frame3, "Image5", twipRect(2040, 240, 945, 600), "tubo3");
    for (int i = 0; i < 3; ++i)
        sshape2[i] = placeControl<QRadioButton>(Frame3, QStringLiteral("sshape2(%1)").arg(i),
                                                twipRect(480 + 960 * i, 960, 255, 255));

    Frame4 = placeControl<QGroupBox>(this, QStringLiteral("Frame4"), twipRect(2400, 0, 735, 855),
                                     QStringLiteral("性別"));
    Option1 = placeControl<QRadioButton>(Frame4, QStringLiteral("Option1"),
                                         twipRect(120, 240, 495, 255), QStringLiteral("男"));
    Option2 = placeControl<QRadioButton>(Frame4, QStringLiteral("Option2"),
                                         twipRect(120, 480, 495, 255), QStringLiteral("女"));

    Frame5 = placeControl<QGroupBox>(this, QStringLiteral("Frame5"), twipRect(3240, 0, 2295, 855),
                                     QStringLiteral("モルビックへの話しかけかた"));
    Option4 = placeControl<QRadioButton>(Frame5, QStringLiteral("Option4"),
                                         twipRect(120, 240, 855, 255), QStringLiteral("男言葉"));
    Option3 = placeControl<QRadioButton>(Frame5, QStringLiteral("Option3"),
                                         twipRect(120, 480, 855, 255), QStringLiteral("女言葉"));

    sshape1[0]->setChecked(true);
    sshape2[0]->setChecked(true);
    Option2->setChecked(true);
    Option4->setChecked(true);

    okbutton = placeControl<QPushButton>(this, QStringLiteral("okbutton"),
                                         twipRect(3480, 2400, 975, 255), QStringLiteral("OK"));
    okbutton->setEnabled(false);
    cancelbutton = placeControl<QPushButton>(this, QStringLiteral("cancelbutton"),
                                             twipRect(4560, 2400, 975, 255), QStringLiteral("END"));
    Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                         twipRect(4560, 2400, 975, 255), QStringLiteral("CANCEL"));
    Command1->hide();
    // No default button: Enter in the name box must not confirm a half-made choice.
    for (QPushButton* button : {okbutton, cancelbutton, Command1})
        button->setAutoDefault(false);
    // Esc is CANCEL only while CANCEL is offered; on a first start it does nothing,
    // so the name typed so far is never lost by a stray key.
    setCancelButton(Command1);

    setTabOrder(namebox, sshape1[0]);
    connect(namebox, &QLineEdit::textChanged, this, &FirstForm::namebox_Change);
    connect(okbutton, &QPushButton::clicked, this, &FirstForm::okbutton_Click);
    connect(cancelbutton, &QPushButton::clicked, this, &FirstForm::cancelbutton_Click);
    connect(Command1, &QPushButton::clicked, this, &FirstForm::Command1_Click);
}

void FirstForm::offerCancel()
{
    cancelbutton->hide();
    Command1->show();
    replacing = true;
}

PlantChoice FirstForm::choice() const
{
    PlantChoice choice;
    choice.name = namebox->text();
    choice.shape = sshape1[1]->isChecked() ? 2 : 1;
    choice.pot = sshape2[2]->isChecked() ? 3 : sshape2[1]->isChecked() ? 2 : 1;
    choice.sei = Option1->isChecked() ? 1 : 2;
    choice.seiword = Option3->isChecked() ? 2 : 1;
    return choice;
}

void FirstForm::namebox_Change()
{
    okbutton->setEnabled(!namebox->text().isEmpty());
}

void FirstForm::okbutton_Click()
{
    startNewPlant(morvick, choice(), dayNumber(today()));
    Store store;
    const bool saved = savePlant(morvick, store, replacing);
    accept();
    if (!saved)
        emit saveFailed();
    deleteLater();
}

void FirstForm::cancelbutton_Click()
{
    endProgram();
    // Only reached when a test stands in for the end of the program.
    reject();
}

void FirstForm::Command1_Click()
{
    done(Cancelled);
}

void FirstForm::showEvent(QShowEvent* event)
{
    GameDialog::showEvent(event);
    namebox->setFocus();
}
