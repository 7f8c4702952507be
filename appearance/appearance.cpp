#include "bmpform.h"
#include "core/controls.h"
#include "core/mainform.h"
#include "core/twips.h"
#include "tuboform.h"
#include "view/plantscene.h"

#include <QColorDialog>
#include <QLineEdit>

void MainForm::mtubo_Click()
{
    TuboForm tuboform(*this);
    placeOnScreen(tuboform, frameGeometry().topLeft() + twipOffset(1500, 570), *this);
    tuboform.exec();
}

void MainForm::mcolor_Click()
{
    // The dialog remembers the last colour chosen in this run, even after a new
    // plant has put the start-up colour back; the first time it starts from the scene.
    const QColor start = helpdialogColour.isValid() ? helpdialogColour : Picture1->backColour();
    QColorDialog dialog(start, this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    // Where Qt would put it, kept within the screen.
    const QSize size = dialog.sizeHint();
    placeOnScreen(dialog, frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2),
                  *this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    helpdialogColour = chosen;
    Picture1->setBackColour(chosen);
}

void MainForm::mbmp_Click()
{
    BmpForm bmpform(*this);
    bmpform.Text1->setText(morvick.bmpdir);
    bmpform.exec();
}
