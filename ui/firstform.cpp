#include "firstform.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

namespace {
QGroupBox* placeFrame(QWidget* parent, const char* name, const QRect& rect, const QString& title)
{
    return placeControl<QGroupBox>(parent, QLatin1String(name), rect, title);
}

QRadioButton* placeOption(QWidget* parent, const QString& name, const QRect& rect,
                          const QString& text = {})
{
    return placeControl<QRadioButton>(parent, name, rect, text);
}

QPushButton* placeButton(QWidget* parent, const char* name, int left, const QString& text)
{
    auto* button = placeControl<QPushButton>(parent, QLatin1String(name),
                                             twipRect(left, 2400, 975, 255), text);
    // No default button: Enter in the name box must not confirm a half-made choice.
    button->setAutoDefault(false);
    return button;
}
} // namespace

FirstForm::FirstForm(QWidget* parent)
    : GameDialog(parent, QStringLiteral("firstform"), QSize(5655, 2775))
{
    //: Frame around the box where the new plant's name is typed
    QGroupBox* frame1 = placeFrame(this, "Frame1", twipRect(120, 0, 1695, 615), tr("名前"));
    namebox =
        placeControl<QLineEdit>(frame1, QStringLiteral("namebox"), twipRect(120, 240, 1455, 270));
    // A name may be as long as the user likes.
    namebox->setMaxLength(std::numeric_limits<int>::max());

    // Made in reading order, which is the order Tab follows: the row of name,
    // sex and speech, then shape and pot, then the buttons.
    //: Frame of the choice of the plant's sex
    QGroupBox* frame4 = placeFrame(this, "Frame4", twipRect(2400, 0, 735, 855), tr("性別"));
    //: The plant is male. Only about 14 pixels wide: one letter or sign
    Option1 =
        placeOption(frame4, QStringLiteral("Option1"), twipRect(120, 240, 495, 255), tr("男"));
    //: The plant is female. Only about 14 pixels wide: one letter or sign
    placeOption(frame4, QStringLiteral("Option2"), twipRect(120, 480, 495, 255), tr("女"))
        ->setChecked(true);

    //: Frame of the choice of how the owner talks to the plant
    QGroupBox* frame5 =
        placeFrame(this, "Frame5", twipRect(3240, 0, 2295, 855), tr("モルビックへの話しかけかた"));
    //: The owner's plainer, blunter way of talking (male speech). About 38 pixels wide
    placeOption(frame5, QStringLiteral("Option4"), twipRect(120, 240, 855, 255), tr("男言葉"))
        ->setChecked(true);
    //: The owner's softer, gentler way of talking (female speech). About 38 pixels wide
    Option3 =
        placeOption(frame5, QStringLiteral("Option3"), twipRect(120, 480, 855, 255), tr("女言葉"));

    //: Frame of the choice of the plant's shape
    QGroupBox* frame2 =
        placeFrame(this, "Frame2", twipRect(120, 720, 2175, 1575), tr("モルビックの形"));
    placeImage(frame2, QStringLiteral("Image1"), twipRect(120, 240, 945, 900),
               QStringLiteral("morvick13"), Fit::Stretched);
    placeImage(frame2, QStringLiteral("Image2"), twipRect(1080, 240, 945, 900),
               QStringLiteral("morvick23"), Fit::Stretched);
    for (int i = 0; i < 2; ++i)
        sshape1[i] = placeOption(frame2, QStringLiteral("sshape1(%1)").arg(i),
                                 twipRect(480 + 960 * i, 1200, 255, 255));
    sshape1[0]->setChecked(true);
    //: What the option under the round plant's picture stands for, as a screen reader reads it
    sshape1[0]->setAccessibleName(tr("丸いモルビック"));
    //: What the option under the tall plant's picture stands for, as a screen reader reads it
    sshape1[1]->setAccessibleName(tr("柱のように細長いモルビック"));

    sshape2 = placePotPicker(this, twipRect(2400, 960, 3135, 1335));

    //: Button: make the new plant
    okbutton = placeButton(this, "okbutton", 3480, tr("OK"));
    okbutton->setEnabled(false);
    //: Button of the first start: quit the game without a plant
    cancelbutton = placeButton(this, "cancelbutton", 4560, tr("END"));
    //: Button: keep the plant there is and close the window
    Command1 = placeButton(this, "Command1", 4560, tr("CANCEL"));
    Command1->hide();
    //: The setup window, as a screen reader names it
    setAccessibleName(tr("新しいモルビック"));
    // Esc is CANCEL only while CANCEL is offered; on a first start it does nothing,
    // so the name typed so far is never lost by a stray key.
    setCancelButton(Command1);

    connect(namebox, &QLineEdit::textChanged, this, &FirstForm::namebox_Change);
    connect(okbutton, &QPushButton::clicked, this, &FirstForm::okbutton_Click);
    connect(cancelbutton, &QPushButton::clicked, this, &FirstForm::cancelbutton_Click);
    connect(Command1, &QPushButton::clicked, this, &FirstForm::Command1_Click);
}

void FirstForm::offerCancel()
{
    cancelbutton->hide();
    Command1->show();
}

PlantChoice FirstForm::choice() const
{
    return {.name = namebox->text(),
            .shape = sshape1[1]->isChecked() ? 2 : 1,
            .pot = sshape2[2]->isChecked()   ? 3
                   : sshape2[1]->isChecked() ? 2
                                             : 1,
            .sei = Option1->isChecked() ? 1 : 2,
            .seiword = Option3->isChecked() ? 2 : 1};
}

void FirstForm::namebox_Change()
{
    okbutton->setEnabled(!namebox->text().isEmpty());
}

void FirstForm::okbutton_Click()
{
    accept();
}

void FirstForm::cancelbutton_Click()
{
    done(Ended);
}

void FirstForm::Command1_Click()
{
    done(Cancelled);
}

// The name box, first in the tab order, takes the focus as the window becomes
// active. Given the focus before, it would draw its cursor at once, which Qt's
// Wayland client cannot do on a compositor without a keyboard (a kiosk, say):
// it crashes. A window shown again forgets the focus it had.
void FirstForm::showEvent(QShowEvent* event)
{
    GameDialog::showEvent(event);
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
}
