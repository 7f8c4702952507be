#include "bmpform.h"
#include "core/mainform.h"
#include "core/twips.h"
#include "tuboform.h"
#include "view/plantscene.h"

#include <QColorDialog>
#include <QLineEdit>

void MainForm::mtubo_Click()
{
    TuboForm tuboform(*this);
    tuboform.move(frameGeometry().topLeft() + twipOffset(1500, 570));
    tuboform.exec();
}

void MainForm::mcolor_Click()
{
    // The dialog remembers the last colour chosen in this run, even after a new
    // plant has put the start-up colour back; the first time it starts from the scene.
    const QColor start = helpdialogColour.isValid() ? helpdialogColour : Picture1->backColour();
    const QColor chosen =
        QColorDialog::getColor(start, this, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return;
    helpdialogColour = chosen;
    Picture1->setBackColour(chosen);
}

void MainForm::mbmp_Click()
{
    BmpForm bmpform(*this);
    bmpform.Text1->setText(morvick.bmpdir);
    bmpform.exec();
}
