#include "care/acceform.h"
#include "core/mainform.h"
#include "firstform.h"
#include "view/plantscene.h"

#include <QLabel>

void MainForm::showFirstFormAtStartup()
{
    if (!firstform)
        firstform = new FirstForm(this);
    centreOnScreen(*firstform);
    firstform->exec();
}

void MainForm::mnew_Click()
{
    store.deleteSection();
    morvick.bmpdir.clear();
    for (ImageControl* image :
         {Picture1->hana0, Picture1->okan, Picture1->pale0, Picture1->ribon, Picture1->flower0})
        image->hide();
    infobox->clear();
    for (int slot = 1; slot <= 4; ++slot)
        morvick.sacce[slot] = 0;
    delete acceform;

    if (!firstform)
        firstform = new FirstForm(this);
    firstform->offerCancel();
    const int result = firstform->exec();
    // The old section is gone; a plant that goes on must not vanish at the next start.
    if (result != QDialog::Accepted)
        savePlant(morvick, store);

    showmorvick();
    show();
}
