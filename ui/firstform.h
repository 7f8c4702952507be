#pragma once

#include "controls.h"
#include "rules/newplant.h"

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

// Where a plant is named and shaped. On a first start it offers END; from the
// menu it offers CANCEL instead, and keeps what was typed for the next time.
class FirstForm : public GameDialog
{
    Q_OBJECT
public:
    // What exec() returns besides Accepted (OK) and Rejected (the close box).
    static constexpr int Ended = 2;
    /* the window is hidden, not discarded: it shows the same choices next time */
    static constexpr int Cancelled = 3;

    explicit FirstForm(QWidget* parent = nullptr);

    /* from the menu: CANCEL (Esc) instead of END */
    void offerCancel();
    PlantChoice choice() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void namebox_Change();
    void okbutton_Click();
    void cancelbutton_Click();
    void Command1_Click();

    QLineEdit* namebox = nullptr;
    std::array<QRadioButton*, 2> sshape1{};
    std::array<QRadioButton*, 3> sshape2{};
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option3 = nullptr;
    QPushButton* okbutton = nullptr;
    QPushButton* cancelbutton = nullptr;
    QPushButton* Command1 = nullptr;
};
