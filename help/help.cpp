#include "aboutform.h"
#include "core/mainform.h"
#include "core/sound.h"
#include "helpfile.h"
#include "helpwindow.h"

namespace {
// Does nothing at all when the help file is not there under its exact name.
void openHelp(MainForm& mainform, HelpWindow::Start start)
{
    const QString file = helpFileIn(programDirectory());
    if (file.isEmpty())
        return;
    auto* viewer = mainform.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (viewer && viewer->helpFile() != file) {
        delete viewer;
        viewer = nullptr;
    }
    if (!viewer)
        viewer = new HelpWindow(file, &mainform);
    viewer->open(start);
}
} // namespace

void MainForm::mhepl1_Click()
{
    openHelp(*this, HelpWindow::Start::Contents);
}

void MainForm::mhelp2_Click()
{
    openHelp(*this, HelpWindow::Start::Index);
}

void MainForm::mabout_Click()
{
    if (!aboutform)
        aboutform = new AboutForm(this);
    aboutform->exec();
}
