#include "care/acceform.h"
#include "core/controls.h"
#include "core/mainform.h"
#include "firstform.h"
#include "view/plantscene.h"

#include <QLabel>

namespace {
FirstForm* makeFirstForm(MainForm& mainform)
{
    auto* form = new FirstForm(&mainform);
    QObject::connect(form, &FirstForm::saveFailed, &mainform, &MainForm::reportFailedSave);
    return form;
}
} // namespace

void MainForm::showFirstFormAtStartup()
{
    if (!firstform)
        firstform = makeFirstForm(*this);
    centreOnScreen(*firstform);
    settingUpFirstPlant = true;
    const int result = firstform->exec();
    settingUpFirstPlant = false;
    if (result == QDialog::Rejected)
        delete firstform;
}

void MainForm::mnew_Click()
{
    // The stored plant stays until a new one is confirmed (a quit, a kill or a
    // power cut meanwhile keeps it); only the background picture goes at once.
    if (!store.removeNow(QStringLiteral("bmpdir")))
        reportFailedSave();
    morvick.bmpdir.clear();
    for (ImageControl* image :
         {Picture1->hana0, Picture1->okan, Picture1->pale0, Picture1->ribon, Picture1->flower0})
        image->hide();
    infobox->clear();
    for (int slot = 1; slot <= 4; ++slot)
        morvick.sacce[slot] = 0;
    delete acceform;

    if (!firstform)
        firstform = makeFirstForm(*this);
    firstform->offerCancel();
    // Only CANCEL keeps what was typed; closed any other way, the window starts afresh.
    if (firstform->exec() == QDialog::Rejected)
        delete firstform;

    showmorvick();
    show();
}
