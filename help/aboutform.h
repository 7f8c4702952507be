#pragma once

#include "core/controls.h"

class ImageControl;
class QLabel;
class QPushButton;

// Name and version. Made once, then only hidden and shown again.
class AboutForm : public GameDialog
{
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    ImageControl* Image1[2] = {};
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;

    void Command1_Click();
};
