#pragma once

#include "controls.h"

// The two farewell windows: the plant has rotted (overform) or dried up
// (overform2). END (exec() returns Accepted) says goodbye to the plant.
class OverForm : public GameDialog
{
    Q_OBJECT
public:
    enum class Cause { Rotted, DriedUp };
    explicit OverForm(Cause cause, QWidget* parent = nullptr);

    // A close box that a window manager draws anyway, or Esc, says no goodbye:
    // END is the only way out of a farewell.
    void reject() override {}

private:
    void Command1_Click();
};
