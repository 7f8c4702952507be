#include "aboutform.h"
#include "core/controls.h"
#include "core/mainform.h"
#include "core/sound.h"
#include "helpfile.h"
#include "helpwindow.h"

#include <QScreen>

namespace {
// Beside the game where there is room (right, else left), narrower if need
// be, never larger than the screen, and always on it.
void placeBeside(HelpWindow& viewer, const QWidget& mainform)
{
    const QScreen* screen = mainform.screen();
    if (!screen)
        return;
    constexpr QSize preferred(720, 480);
    constexpr int narrowest = 360;
    const QRect area = screen->availableGeometry();
    const QRect game = mainform.frameGeometry();
    const QSize frame = game.size() - mainform.size();
    const int roomRight = area.right() - game.right() - frame.width();
    const int roomLeft = game.left() - area.left() - frame.width();
    QSize size = preferred.boundedTo(area.size() - frame);
    if (std::max(roomRight, roomLeft) >= narrowest)
        size.setWidth(std::min(size.width(), std::max(roomRight, roomLeft)));
    viewer.resize(size);
    const bool right = roomRight >= size.width() || roomRight >= roomLeft;
    const int outerWidth = size.width() + frame.width();
    const QPoint topLeft(right ? game.right() + 1 : game.left() - outerWidth, game.top());
    placeOnScreen(viewer, topLeft, mainform);
}

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
    if (!viewer) {
        viewer = new HelpWindow(file, &mainform);
        placeBeside(*viewer, mainform);
    }
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
