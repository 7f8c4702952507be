#pragma once

#include "controls.h"

#include <array>

class QPushButton;
class QRadioButton;

// The talking window: four sentences to choose from, and OK to say one.
class WordForm : public GameDialog
{
    Q_OBJECT
public:
    explicit WordForm(QWidget* parent);

    /* fills the four sentences, the greeting first; "%1" in them stands for name */
    void intoword(const std::array<QString, 4>& sentences, const QString& name);

private:
    void Command1_Click();

    std::array<QRadioButton*, 4> sword{};
};
