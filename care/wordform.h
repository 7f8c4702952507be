#pragma once

#include "core/controls.h"
#include <array>

class MainForm;
class QPushButton;
class QRadioButton;

// The talking window: four sentences to choose from, and OK to say one.
class WordForm : public GameDialog
{
    Q_OBJECT
public:
    explicit WordForm(MainForm& mainform);

    /* fills the four sentences from the hour in shour, the name and the owner's speech */
    void intoword();

    std::array<QRadioButton*, 4> sword{};
    QPushButton* Command1 = nullptr;

    void Command1_Click();

private:
    void showreaction();

    MainForm& mainform;
};
