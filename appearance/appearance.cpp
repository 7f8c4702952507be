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
    // The scene's colour, not bcolor: it is the last one chosen in this run.
    const QColor chosen = QColorDialog::getColor(Picture1->backColour(), this, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (chosen.isValid())
        Picture1->setBackColour(chosen);
}

void MainForm::mbmp_Click()
{
    BmpForm bmpform(*this);
    bmpform.Text1->setText(morvick.bmpdir);
    bmpform.exec();
}
