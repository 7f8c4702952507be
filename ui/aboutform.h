#pragma once

#include "controls.h"

// Name and version. Made once, then only hidden and shown again.
class AboutForm : public GameDialog
{
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

private:
    void Command1_Click();
};
