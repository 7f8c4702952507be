#pragma once

#include "core/controls.h"

class ImageControl;
class MainForm;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Moves the plant into another pot. Built afresh for every opening, so it
// always starts on the first pot, whatever pot the plant has now.
class TuboForm : public GameDialog
{
    Q_OBJECT
public:
    explicit TuboForm(MainForm& mainform);

    QGroupBox* Frame3 = nullptr;
    ImageControl* Image3 = nullptr;
    ImageControl* Image4 = nullptr;
    ImageControl* Image5 = nullptr;
    QRadioButton* sshape2[3] = {};
    QPushButton* okbutton = nullptr;
    QPushButton* cancelbutton = nullptr;

    void okbutton_Click();
    void cancelbutton_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MainForm& mainform;
};
