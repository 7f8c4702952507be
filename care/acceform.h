#pragma once

#include "core/controls.h"
#include <array>

class ImageControl;
class MainForm;
class QCheckBox;
class QPushButton;

// The accessory window: a picture and a check box for each of the four
// accessories, and OK to put on what is ticked and take off the rest.
class AcceForm : public GameDialog
{
    Q_OBJECT
public:
    explicit AcceForm(MainForm& mainform);

    /* places 3 and 4 show what a male plant wears there */
    void showMalePictures();
    /* ticks the boxes of the slots worn now */
    void tickWornSlots();

    ImageControl* Image1 = nullptr;
    ImageControl* Image2 = nullptr;
    ImageControl* Image3_0 = nullptr;
    ImageControl* Image4_0 = nullptr;
    std::array<QCheckBox*, 4> acheck{};
    QPushButton* Command1 = nullptr;

    void Command1_Click();

private:
    void buildPictures();
    void buildChecks();
    void applySlot(int slot);

    MainForm& mainform;
};
