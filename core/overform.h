#pragma once

#include "controls.h"

class QLabel;
class QPushButton;

// The two farewell windows: the plant has rotted (overform) or dried up
// (overform2). END wipes the stored plant and ends the game.
class OverForm : public GameDialog
{
    Q_OBJECT
public:
    enum class Cause { Rotted, DriedUp };
    explicit OverForm(Cause cause, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;

    void Command1_Click();
};
