#include "mainform.h"

#include "aboutform.h"
#include "acceform.h"
#include "bmpform.h"
#include "colourdialog.h"
#include "controls.h"
#include "firstform.h"
#include "fittedname.h"
#include "helpviewer.h"
#include "overform.h"
#include "plantscene.h"
#include "platform/helpfile.h"
#include "platform/picturefile.h"
#include "platform/plugins.h"
#include "rules/accessories.h"
#include "rules/dailycheck.h"
#include "rules/newplant.h"
#include "rules/savefailure.h"
#include "rules/scene.h"
#include "rules/storenotice.h"
#include "rules/talk.h"
#include "rules/touch.h"
#include "tuboform.h"
#include "wordform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

MainForm::MainForm(const Seams& gameSeams, SoundPlayer& soundPlayer, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      seams(gameSeams), sounds(soundPlayer)
{
    setObjectName(QStringLiteral("mainform"));
    //: The game's name, the title of its windows
    setWindowTitle(tr("MORVICK"));
    setWindowIcon(resourceIcon(QStringLiteral("icon")));

    auto* client = new QWidget(this);
    client->setFixedSize(px(3840), px(2295));
    setCentralWidget(client);
    buildLabels(client);
    buildButtons(client);
    // Made after the buttons, so Tab reaches the plant after them and the window
    // still opens with the focus on the first button; drawn under them all.
    Picture1 = new PlantScene(client);
    Picture1->lower();
    connect(Picture1, &PlantScene::plantClicked, this, &MainForm::sshape1_Click);
    connect(Picture1, &PlantScene::bareMouseMove, this, &MainForm::Picture1_MouseMove);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    QCoreApplication::instance()->installEventFilter(this);
}

MainForm::~MainForm() = default;

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        mhepl1_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::buildLabels(QWidget* client)
{
    const QColor black(Qt::black);
    const QColor cyan = colourFromLong(0x00FFFF00);
    const QColor yellow = colourFromLong(0x0000FFFF);
    const auto label = [client](const char* name, const QRect& rect, const QColor& back,
                                const QColor& ink, const QString& text = {}) {
        QLabel* made = placeColouredLabel(client, QLatin1String(name), rect, back, ink, text);
        made->setFont(gothicFont(12, true));
        made->setWordWrap(true);
        return made;
    };
    smsgbox = label("smsgbox", twipRect(0, 1680, 3855, 615), Qt::white, black);
    smsgbox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label("Label1", twipRect(1440, 600, 2415, 1080), black, black)
        ->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    //: Before the plant's name on the black panel, right-aligned against it (49 pixels)
    label("Label2", twipRect(1560, 630, 735, 255), black, cyan, tr("名前："))
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    namebox = label("namebox", twipRect(2280, 630, 1455, 255), black, Qt::white);
    namebox->setWordWrap(false);
    //: Before the plant's age in days on the black panel, right-aligned (49 pixels)
    label("Label3", twipRect(1560, 870, 735, 255), black, cyan, tr("年齢："))
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    agebox = label("agebox", twipRect(2280, 870, 975, 255), black, Qt::white);
    agebox->setAlignment(Qt::AlignRight | Qt::AlignTop);
    agebox->setWordWrap(false);
    //: The unit after the age: days. The label is only 17 pixels wide, so an abbreviation
    label("Label4", twipRect(3360, 870, 255, 255), black, cyan, tr("日"));
    infobox = label("infobox", twipRect(1560, 1095, 2175, 495), black, yellow);
}

void MainForm::buildButtons(QWidget* client)
{
    const auto button = [this, client](const char* name, int left, const char* icon,
                                       const QString& tip, void (MainForm::*handler)()) {
        auto* made =
            placeControl<QPushButton>(client, QLatin1String(name), twipRect(left, 0, 600, 600));
        made->setIcon(resourceIcon(QLatin1String(icon)));
        made->setIconSize(QSize(32, 32));
        made->setToolTip(tip);
        // A picture button says nothing to a screen reader but what it is named.
        made->setAccessibleName(tip);
        made->setFocusPolicy(Qt::TabFocus);
        connect(made, &QPushButton::clicked, this, handler);
    };
    //: Tip of the watering-can button
    button("siikubutton1", 1440, "water", tr("水をやる"), &MainForm::siikubutton1_Click);
    //: Tip of the speech-balloon button, which opens the talking window
    button("siikubutton2", 2040, "talk", tr("話しかける"), &MainForm::siikubutton2_Click);
    //: Tip of the red-bow button, which opens the accessories window
    button("siikubutton3", 2640, "decorate", tr("飾りをつける"), &MainForm::siikubutton3_Click);
    //: Tip of the door button: save and quit
    button("Command1", 3240, "door", tr("終了する"), &MainForm::Command1_Click);
}

void MainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    // Four titles must share 256 pixels; a compact font and tight padding keep
    // every title on the bar instead of behind an overflow button.
    bar->setFont(gothicFont(9, false));
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 4px; }"));

    auto addMenu = [this](QMenu* parentMenu, const char* name, const QString& title) {
        QMenu* menu = parentMenu ? parentMenu->addMenu(title) : menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          void (MainForm::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    //: Menu
    QMenu* mfile = addMenu(nullptr, "mfile", tr("ファイル(&F)"));
    //: Item of the File menu: save and quit
    addItem(mfile, "mend", tr("終了(&X)"), &MainForm::mend_Click);

    //: Menu of what can be changed: the background and the pot
    QMenu* mchange = addMenu(nullptr, "mchange", tr("変更(&C)"));
    //: Submenu of the Change menu
    QMenu* back = addMenu(mchange, "back", tr("背景"));
    //: Item of the Background submenu: opens a colour chooser
    addItem(back, "mcolor", tr("背景色"), &MainForm::mcolor_Click);
    //: Item of the Background submenu: opens the window that sets a background picture
    addItem(back, "mbmp", tr("画像貼り付け"), &MainForm::mbmp_Click);
    //: Item of the Change menu: opens the window to choose another pot
    addItem(mchange, "mtubo", tr("つぼの種類"), &MainForm::mtubo_Click);

    //: Menu
    QMenu* mhelp = addMenu(nullptr, "mhelp", tr("ヘルプ(&H)"));
    //: Item of the Help menu: the help's contents (F1)
    QAction* mhepl1 = addItem(mhelp, "mhepl1", tr("目次"), &MainForm::mhepl1_Click);
    mhepl1->setShortcut(QKeySequence(Qt::Key_F1));
    mhepl1->setShortcutContext(Qt::ApplicationShortcut);
    //: Item of the Help menu: the help's keyword index
    addItem(mhelp, "mhelp2", tr("キーワードで検索"), &MainForm::mhelp2_Click);
    //: Item of the Help menu: the About window
    addItem(mhelp, "mabout", tr("アバウト(&A)"), &MainForm::mabout_Click);

    //: Menu holding only the item that starts over with a new plant
    QMenu* mdel = addMenu(nullptr, "mdel", tr("初期化"));
    //: Item of the Reset menu: forget this plant and set up a new one
    addItem(mdel, "mnew", tr("モルビックを新たに育てる"), &MainForm::mnew_Click);
}

// Start-up and the plant's own procedures.

void MainForm::Form_Load()
{
    if (!tellStoreTrouble())
        return;
    setsettin();
    if (morvick.smode == 0) {
        if (!setUpFirstPlant())
            return;
    } else {
        lastcheck();
    }
    showmorvick();
}

void MainForm::setsettin()
{
    loadPlant(morvick, store);
    // A picture that no longer loads is passed over; its path stays stored.
    Picture1->setPicture(morvick.bmpdir.isEmpty() ? QImage() : loadPicture(morvick.bmpdir));
}

bool MainForm::retsettin()
{
    return savePlayState(morvick, store, longFromColour(Picture1->backColour()));
}

void MainForm::lastcheck()
{
    const DailyCheckOutcome outcome = dailyCheck(morvick, dayNumber(seams.today()));
    if (!outcome.message.isEmpty())
        showFittedSentence(*smsgbox, outcome.message, morvick.sname);
    if (outcome.driedUp) {
        OverForm overform2(OverForm::Cause::DriedUp);
        centreOnScreen(overform2);
        sayingFarewell = true;
        if (overform2.exec() == QDialog::Accepted)
            endWithoutPlant();
    }
}

void MainForm::showmorvick()
{
    const ScenePlan plan = planScene(morvick, seams.draw);
    Picture1->showPlan(plan);
    showFittedName(*namebox, plan.name);
    agebox->setText(plan.age);
    showWaterStatus(plan.water);
}

void MainForm::showWaterStatus(const WaterStatus& status)
{
    infobox->setText(status.info);
    if (status.message)
        smsgbox->setText(*status.message);
}

// Care.

void MainForm::siikubutton1_Click()
{
    sounds.play(Sound::Water);
    const WateringOutcome outcome = water(morvick);
    if (outcome.status) {
        showWaterStatus(*outcome.status);
        return;
    }
    Picture1->hidePlant();
    infobox->clear();
    OverForm overform(OverForm::Cause::Rotted, this);
    placeOnScreen(overform, frameGeometry().topLeft() + twipOffset(1500, 1080), *this);
    sayingFarewell = true;
    if (overform.exec() == QDialog::Accepted)
        endWithoutPlant();
}

void MainForm::siikubutton2_Click()
{
    WordForm wordform(this);
    placeOnScreen(wordform, frameGeometry().topLeft() + twipOffset(1500, 420), *this);
    morvick.shour = seams.hour();
    wordform.intoword(talkSentences(morvick, seams.draw), morvick.sname);
    if (wordform.exec() != QDialog::Accepted)
        return;
    // Which sentence was said makes no difference; saying one does.
    if (plantAnswers(morvick, seams.draw))
        showreaction();
    else
        smsgbox->clear();
}

void MainForm::showreaction()
{
    smsgbox->setText(reactionLine(drawFrom(seams.draw, 10), morvick.sei));
}

void MainForm::siikubutton3_Click()
{
    AcceForm acceform(this);
    placeOnScreen(acceform, frameGeometry().topLeft() + twipOffset(1500, 900), *this);
    acceform.showPictures(accessoryWindowPictures(morvick.sei));
    acceform.tick(wornSlots(morvick));
    if (acceform.exec() != QDialog::Accepted)
        return;
    sounds.play(Sound::Bell);
    const AccessoryOutcome outcome = wearAccessories(morvick, acceform.ticked());
    Picture1->wear(wornSlots(morvick));
    if (outcome.message)
        smsgbox->setText(*outcome.message);
}

void MainForm::sshape1_Click()
{
    smsgbox->setText(touch(morvick, seams.draw));
}

void MainForm::Picture1_MouseMove()
{
    smsgbox->clear();
}

// A new plant.

bool MainForm::setUpFirstPlant()
{
    if (!firstform)
        firstform = new FirstForm(this);
    centreOnScreen(*firstform);
    settingUpFirstPlant = true;
    const int result = firstform->exec();
    settingUpFirstPlant = false;
    if (result == FirstForm::Ended) {
        endGame(0);
        return false;
    }
    if (result == QDialog::Accepted)
        confirmNewPlant(false);
    else
        delete firstform;
    return true;
}

void MainForm::mnew_Click()
{
    // The stored plant stays until a new one is confirmed (a quit, a kill or a
    // power cut meanwhile keeps it); only the background picture goes at once.
    if (!forgetBmpdir(morvick, store))
        reportFailedSave();
    clearForNewPlant(morvick);
    Picture1->takeOffAll();
    infobox->clear();

    if (!firstform)
        firstform = new FirstForm(this);
    firstform->offerCancel();
    const int result = firstform->exec();
    if (result == QDialog::Accepted)
        confirmNewPlant(true);
    else if (result != FirstForm::Cancelled) // only CANCEL keeps what was typed
        delete firstform;
    showmorvick();
}

void MainForm::confirmNewPlant(bool replacing)
{
    startNewPlant(morvick, firstform->choice(), dayNumber(seams.today()));
    delete firstform;
    if (!savePlant(morvick, store, replacing))
        reportFailedSave();
}

// Pot, background, help.

void MainForm::mtubo_Click()
{
    TuboForm tuboform(this);
    placeOnScreen(tuboform, frameGeometry().topLeft() + twipOffset(1500, 570), *this);
    if (tuboform.exec() != QDialog::Accepted)
        return;
    sounds.play(Sound::Pot);
    if (const auto pot = tuboform.chosenPot())
        morvick.sshape2 = *pot;
    // Stored at once: the new pot survives an end without the usual save.
    if (!savePot(morvick, store))
        reportFailedSave();
    Picture1->setPot(potPicture(morvick.sshape2));
}

void MainForm::mcolor_Click()
{
    // The dialog remembers the last colour chosen in this run, even after a new
    // plant has put the start-up colour back; the first time it starts from the scene.
    ColourDialog dialog(helpdialogColour.isValid() ? helpdialogColour : Picture1->backColour(),
                        this);
    placeOverCentre(dialog, *this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    helpdialogColour = dialog.selectedColor();
    Picture1->setBackColour(helpdialogColour);
}

void MainForm::mbmp_Click()
{
    BmpForm bmpform(this);
    bmpform.setPath(morvick.bmpdir);
    const int result = bmpform.exec();
    if (result == QDialog::Rejected)
        return;
    const auto storeBmpdir = [this] {
        if (!saveBmpdir(morvick, store))
            reportFailedSave();
    };
    QImage picture;
    if (result == QDialog::Accepted) {
        // Stored whole, so the picture is found again from whatever folder the game starts in.
        morvick.bmpdir = QFileInfo(bmpform.path()).absoluteFilePath();
        storeBmpdir();
        picture = loadPicture(morvick.bmpdir);
    }
    // RESET, or a path that gives no picture: forgotten, so the next start does not try it.
    if (picture.isNull()) {
        morvick.bmpdir.clear();
        storeBmpdir();
    }
    Picture1->setPicture(picture);
}

void MainForm::mhepl1_Click()
{
    openHelp(false);
}

void MainForm::mhelp2_Click()
{
    openHelp(true);
}

namespace {
// Beside the game where there is room (right, else left), narrower if need
// be, never larger than the screen, and always on it.
void placeBeside(QWidget& viewer, const QWidget& game)
{
    const QScreen* screen = game.screen();
    if (!screen)
        return;
    constexpr QSize preferred(800, 520);
    // Narrower than this, the page beside the contents is too cramped to read.
    constexpr int narrowest = 360;
    const QRect area = screen->availableGeometry();
    const QRect gameFrame = game.frameGeometry();
    const QSize frame = gameFrame.size() - game.size();
    const int roomRight = area.right() - gameFrame.right() - frame.width();
    const int roomLeft = gameFrame.left() - area.left() - frame.width();
    QSize size = preferred.boundedTo(area.size() - frame);
    if (std::max(roomRight, roomLeft) >= narrowest)
        size.setWidth(std::min(size.width(), std::max(roomRight, roomLeft)));
    viewer.resize(size);
    const bool right = roomRight >= size.width() || roomRight >= roomLeft;
    const int outerWidth = size.width() + frame.width();
    const QPoint topLeft(right ? gameFrame.right() + 1 : gameFrame.left() - outerWidth,
                         gameFrame.top());
    placeOnScreen(viewer, topLeft, game);
}
} // namespace

// The help in the player's language, else in the game's own; nothing at all
// when neither file is there under its exact name.
void MainForm::openHelp(bool atIndex)
{
    QString file;
    if (seams.language == Language::English)
        file = helpFileIn(seams.programFolder, englishHelpFile);
    if (file.isEmpty())
        file = helpFileIn(seams.programFolder, japaneseHelpFile);
    if (file.isEmpty())
        return;
    if (helpwindow && qobject_cast<HelpViewer*>(helpwindow.get())->helpFile() != file)
        helpwindow.reset();
    if (!helpwindow) {
        auto* factory = qobject_cast<HelpViewerFactory*>(
            loadPlugin(seams.pluginFolder, QStringLiteral("morvick_helpviewer")));
        if (!factory)
            return;
        helpwindow.reset(factory->createViewer(file, nullptr));
        helpwindow->setWindowIcon(windowIcon());
        helpwindow->setAttribute(Qt::WA_QuitOnClose, false);
        // The Japanese gothic keeps the rows of the contents and index from crowding.
        helpwindow->setFont(gothicFont(10, false));
        // Before the game shows (at the first setup, say), beside the window that asked.
        const QWidget* asking = QApplication::activeModalWidget();
        placeBeside(*helpwindow, isVisible() || !asking ? *this : *asking);
    }
    qobject_cast<HelpViewer*>(helpwindow.get())->open(atIndex);
}

void MainForm::mabout_Click()
{
    if (!aboutform)
        aboutform = new AboutForm(this);
    aboutform->exec();
}

// Saving and ending.

void MainForm::reportFailedSave()
{
    if (failedSaveReported)
        return;
    failedSaveReported = true;
    showSaveFailure();
}

void MainForm::showSaveFailure()
{
    // Before the game's window shows, the message has no window to sit over
    // and opens in the middle of the screen.
    //: The game's name, the title of its windows
    QMessageBox box(QMessageBox::Warning, tr("MORVICK"), saveFailureMessage(store.fileName()),
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.setObjectName(QStringLiteral("savefailure"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

// A store that had to be moved aside is told before the setup opens; one that
// cannot be used at all ends the game, since no care given could be kept.
bool MainForm::tellStoreTrouble()
{
    const bool refused = store.opening() == Store::Opening::Refused;
    if (store.opening() == Store::Opening::Ready)
        return true;
    const QString message = refused ? refusedStoreMessage(store.fileName())
                                    : keptAsideMessage(store.fileName(), store.asideFileName());
    const QString line = refused ? refusedStoreLine(store.fileName())
                                 : keptAsideLine(store.fileName(), store.asideFileName());
    std::fprintf(stderr, "%s\n", qPrintable(line));
    // Told before any window of the game: in the middle of the screen.
    //: The game's name, the title of its windows
    QMessageBox box(QMessageBox::Warning, tr("MORVICK"), message, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("storenotice"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
    if (refused)
        endGame(1);
    return !refused;
}

void MainForm::Command1_Click()
{
    saveAndEnd();
}

void MainForm::mend_Click()
{
    saveAndEnd();
}

// The close arrives accepted: the window goes, as by the door button.
void MainForm::closeEvent(QCloseEvent*)
{
    saveAndEnd();
}

void MainForm::comeToFront()
{
    if (isVisible()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        raise();
        activateWindow();
    }
    // A window of the game waiting for an answer stays above the main one.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// What the way out of the window on screen stores: nothing for the first setup,
// the plant's end for a farewell, else the play state.
bool MainForm::storeWayOut()
{
    if (settingUpFirstPlant)
        return true;
    return sayingFarewell ? deletePlant(store) : retsettin();
}

void MainForm::quitRequested()
{
    if (storeWayOut()) {
        endGame(0);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(saveFailureLine(store.fileName())));
    endGame(1);
}

void MainForm::endedFromOutside()
{
    std::fprintf(stderr, "morvick: the connection to the display was lost; the game ends\n");
    if (!storeWayOut())
        std::fprintf(stderr, "%s\n", qPrintable(saveFailureLine(store.fileName())));
}

void MainForm::saveAndEnd()
{
    if (retsettin()) {
        endGame(0);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(saveFailureLine(store.fileName())));
    // The player is still at the screen: told before the window goes.
    showSaveFailure();
    endGame(1);
}

void MainForm::endWithoutPlant()
{
    if (deletePlant(store)) {
        endGame(0);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(saveFailureLine(store.fileName())));
    endGame(1);
}

void MainForm::endGame(int status)
{
    // The game writes no files of its own: the help viewer's working copy goes first.
    helpwindow.reset();
    seams.endProgram(status);
}
