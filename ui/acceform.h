#pragma once

#include "controls.h"
#include "rules/plantstate.h"
#include "rules/scene.h"

#include <array>

class QCheckBox;

// The accessory window: a picture and a check box for each of the four
// accessories, and OK to put on what is ticked and take off the rest.
class AcceForm : public GameDialog
{
    Q_OBJECT
public:
    explicit AcceForm(QWidget* parent);

    /* what places 3 and 4 show */
    void showPictures(const AccessoryWindowPictures& pictures);
    /* ticks the boxes of the slots worn now; the others stay as they are */
    void tick(const Slots& worn);
    Slots ticked() const;

private:
    void Command1_Click();

    ImageControl* Image3_0 = nullptr;
    ImageControl* Image4_0 = nullptr;
    std::array<QCheckBox*, accessorySlots> acheck{};
};
