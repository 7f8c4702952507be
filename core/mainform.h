#pragma once

#include "store.h"

#include <QMainWindow>
#include <QPointer>

class AboutForm;
class AcceForm;
class FirstForm;
class QLabel;
class QMenu;
class QPushButton;
class PlantScene;
class SoundPlayer;

// The game's only long-lived window. Its event handlers carry the names the
// game's design gives them; those of a subsystem are defined beside it
// (care/, view/, newplant/, appearance/, help/).
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainForm(SoundPlayer& sounds, QWidget* parent = nullptr);

    // Start-up after the single-instance test and the seeding: loads the plant,
    // runs the setup or the daily check, draws the plant. Shows nothing itself.
    void Form_Load();

    // Procedures of the main window.
    void setsettin();
    /* false when the save did not reach the disk */
    bool retsettin();
    void lastcheck();
    void showmorvick();

    // The quit path every shutdown shares: save, then end.
    void saveAndEnd();
    // A quit signal or the end of the session: what the window on screen
    // would do to get out (END of the first setup; elsewhere save and end).
    void quitRequested();
    // Tells the user, once a run, that a write to the store failed.
    void reportFailedSave();

    Store store;
    SoundPlayer& sounds;

    PlantScene* Picture1 = nullptr;
    QLabel* smsgbox = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* namebox = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* agebox = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* infobox = nullptr;
    QPushButton* siikubutton1 = nullptr;
    QPushButton* siikubutton2 = nullptr;
    QPushButton* siikubutton3 = nullptr;
    QPushButton* Command1 = nullptr;

    QMenu* mfile = nullptr;
    QMenu* mchange = nullptr;
    QMenu* back = nullptr;
    QMenu* mhelp = nullptr;
    QMenu* mdel = nullptr;
    QAction* mend = nullptr;
    QAction* mcolor = nullptr;
    QAction* mbmp = nullptr;
    QAction* mtubo = nullptr;
    QAction* mhepl1 = nullptr;
    QAction* mhelp2 = nullptr;
    QAction* mabout = nullptr;
    QAction* mnew = nullptr;

    // Secondary windows that outlive one showing (or must be discarded by others).
    QPointer<FirstForm> firstform;
    QPointer<AcceForm> acceform;
    QPointer<AboutForm> aboutform;
    /* the colour dialog's own colour: the last one chosen, invalid before the first */
    QColor helpdialogColour;

    // Care (care/).
    void siikubutton1_Click();
    void siikubutton2_Click();
    void siikubutton3_Click();
    // Touch (view/).
    void sshape1_Click();
    void Picture1_MouseMove();
    // New plant (newplant/).
    void showFirstFormAtStartup();
    void mnew_Click();
    // Appearance (appearance/).
    void mtubo_Click();
    void mcolor_Click();
    void mbmp_Click();
    // Help (help/).
    void mhepl1_Click();
    void mhelp2_Click();
    void mabout_Click();

    void Command1_Click();
    void mend_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildScene(QWidget* client);
    void buildLabels(QWidget* client);
    void buildButtons(QWidget* client);
    void buildMenus();

    bool settingUpFirstPlant = false;
    bool failedSaveReported = false;
};
