#include "tuboform.h"

#include "core/controls.h"
#include "core/mainform.h"
#include "core/sound.h"
#include "core/twips.h"
#include "view/display.h"
#include "view/imagecontrol.h"
#include "view/plantscene.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
// The pots here are opaque pictures on pink, stretched over their rectangles.
const QColor potBackground(255, 132, 255);

ImageControl* makePot(QWidget* parent, const char* name, const QRect& rect, int kind)
{
    auto* image = new ImageControl(QString::fromLatin1(name), rect, parent);
    image->setPicture(resourcePicture(potPictureName(kind)));
    image->setStretch(true);
    image->setBackground(potBackground);
    return image;
}
} // namespace

TuboForm::TuboForm(MainForm& owner) : GameDialog(&owner), mainform(owner)
{
    setObjectName(QStringLiteral("tuboform"));
    setWindowTitle(QString());
    setFixedSize(px(3375), px(1815));

    // Created in tab order: CANCEL first, so the window opens with the focus on it.
    cancelbutton =
        placeControl<QPushButton>(this, QStringLiteral("cancelbutton"),
                                  twipRect(2280, 1440, 975, 255), QStringLiteral("CANCEL"));
    okbutton = placeControl<QPushButton>(this, QStringLiteral("okbutton"),
                                         twipRect(1200, 1440, 975, 255), QStringLiteral("OK"));

    Frame3 = placeControl<QGroupBox>(this, QStringLiteral("Frame3"), twipRect(120, 0, 3135, 1335),
                                     QStringLiteral("つぼの形"));
    Image3 = makePot(Frame3, "Image3", twipRect(120, 240, 945, 600), 1);
    Image4 = makePot(Frame3, "Image4", twipRect(1080, 240, 945, 600), 2);
    Image5 = makePot(Frame3, "Image5", twipRect(2040, 240, 945, 600), 3);
    for (int i = 0; i < 3; ++i) {
        sshape2[i] = placeControl<QRadioButton>(Frame3, QStringLiteral("sshape2(%1)").arg(i),
                                                twipRect(480 + 960 * i, 960, 255, 255));
    }
    sshape2[0]->setChecked(true);

    for (QPushButton* button : {cancelbutton, okbutton})
        button->setAutoDefault(false);
    setCancelButton(cancelbutton);

    setTabOrder(cancelbutton, okbutton);
    setTabOrder(okbutton, sshape2[0]);
    connect(okbutton, &QPushButton::clicked, this, &TuboForm::okbutton_Click);
    connect(cancelbutton, &QPushButton::clicked, this, &TuboForm::cancelbutton_Click);
}

void TuboForm::okbutton_Click()
{
    mainform.sounds.play(programDirectory() + QStringLiteral("/tubo.wav"));
    for (int i = 0; i < 3; ++i) {
        if (sshape2[i]->isChecked()) {
            morvick.sshape2 = i + 1;
            break;
        }
    }
    // Stored at once: the new pot must survive an end without the usual save.
    if (!mainform.store.writeNow(QStringLiteral("sshape2"), integerText(morvick.sshape2)))
        mainform.reportFailedSave();
    if (const QString pot = potPictureName(morvick.sshape2); !pot.isEmpty())
        mainform.Picture1->sshape2->setPicture(resourcePicture(pot));
    accept();
}

void TuboForm::cancelbutton_Click()
{
    reject();
}

void TuboForm::showEvent(QShowEvent* event)
{
    GameDialog::showEvent(event);
    cancelbutton->setFocus();
}
