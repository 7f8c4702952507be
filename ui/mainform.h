#pragma once

#include "platform/sound.h"
#include "rules/draw.h"
#include "rules/plantstate.h"
#include "rules/store.h"
#include "rules/water.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class AboutForm;
class FirstForm;
class PlantScene;
class QLabel;

// The game's only long-lived window. It holds the plant: each handler asks a
// rule what becomes of it and shows the result; the small windows only return
// what the user chose.
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    MainForm(const Seams& seams, SoundPlayer& sounds, QWidget* parent = nullptr);

    // Start-up after the single-instance test: loads the plant, runs the setup
    // or the daily check, draws the plant. Shows nothing itself.
    void Form_Load();

    // A quit signal or the end of the session: what the window on screen would
    // do to get out (END of the first setup or of a farewell; elsewhere save and end).
    void quitRequested();

    // The process is ending under the game (the display went away): stores what
    // quitRequested would and says why on standard error, but ends nothing itself.
    void endedFromOutside();

    // A second start asked for the game: its window comes back and to the front.
    void comeToFront();

    ~MainForm() override;

    const PlantState& plant() const { return morvick; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // F1 from a window the game shows modally, which holds back the menu's own key.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLabels(QWidget* client);
    void buildButtons(QWidget* client);
    void buildMenus();

    // Procedures of the main window.
    void setsettin();
    bool retsettin();
    void lastcheck();
    void showmorvick();
    void showreaction();
    void showWaterStatus(const WaterStatus& status);

    // Handlers.
    void siikubutton1_Click();
    void siikubutton2_Click();
    void siikubutton3_Click();
    void Command1_Click();
    void sshape1_Click();
    void Picture1_MouseMove();
    void mend_Click();
    void mcolor_Click();
    void mbmp_Click();
    void mtubo_Click();
    void mhepl1_Click();
    void mhelp2_Click();
    void mabout_Click();
    void mnew_Click();

    bool setUpFirstPlant();
    void confirmNewPlant(bool replacing);
    void openHelp(bool atIndex);
    void reportFailedSave();
    void showSaveFailure();
    bool tellStoreTrouble();

    // The ways out: every one ends here, and nothing runs after it.
    bool storeWayOut();
    void saveAndEnd();
    void endWithoutPlant();
    void endGame(int status);

    PlantState morvick;
    Store store;
    const Seams seams;
    SoundPlayer& sounds;

    PlantScene* Picture1 = nullptr;
    QLabel* smsgbox = nullptr;
    QLabel* namebox = nullptr;
    QLabel* agebox = nullptr;
    QLabel* infobox = nullptr;

    // Windows that outlive one showing.
    QPointer<FirstForm> firstform;
    QPointer<AboutForm> aboutform;
    /* the help plugin's viewer, a HelpViewer: a window of its own, so that the
       game's modal windows, modal only to the game, leave it free */
    std::unique_ptr<QWidget> helpwindow;
    /* the colour dialog's own colour: the last one chosen, invalid before the first */
    QColor helpdialogColour;

    bool settingUpFirstPlant = false;
    bool sayingFarewell = false;
    bool failedSaveReported = false;
};
