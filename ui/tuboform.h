#pragma once

#include "controls.h"

#include <array>
#include <optional>

class QRadioButton;

// Moves the plant into another pot. Built afresh for every opening, so it
// always starts on the first pot, whatever pot the plant has now.
class TuboForm : public GameDialog
{
    Q_OBJECT
public:
    explicit TuboForm(QWidget* parent);

    /* 1..3, the first pot chosen; empty when none is */
    std::optional<int> chosenPot() const;

private:
    void okbutton_Click();
    void cancelbutton_Click();

    std::array<QRadioButton*, 3> sshape2{};
};
