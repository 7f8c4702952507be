#pragma once

#include "newplant.h"

#include "core/controls.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ImageControl;

// Where a plant is named and shaped. On a first start it offers END; from the
// menu it offers CANCEL instead, and keeps what was typed for the next time.
class FirstForm : public GameDialog
{
    Q_OBJECT
public:
    explicit FirstForm(QWidget* parent = nullptr);

    /* what exec() returns after CANCEL: the window is kept, hidden, for the next time */
    static constexpr int Cancelled = 2;

    /* from the menu: CANCEL (Esc) instead of END, and OK replaces the stored plant */
    void offerCancel();
    PlantChoice choice() const;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* namebox = nullptr;
    QGroupBox* Frame2 = nullptr;
    ImageControl* Image1 = nullptr;
    ImageControl* Image2 = nullptr;
    QRadioButton* sshape1[2] = {};
    QGroupBox* Frame3 = nullptr;
    ImageControl* Image3 = nullptr;
    ImageControl* Image4 = nullptr;
    ImageControl* Image5 = nullptr;
    QRadioButton* sshape2[3] = {};
    QGroupBox* Frame4 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option3 = nullptr;
    QPushButton* okbutton = nullptr;
    QPushButton* cancelbutton = nullptr;
    QPushButton* Command1 = nullptr;

    void namebox_Change();
    void okbutton_Click();
    void cancelbutton_Click();
    void Command1_Click();

signals:
    /* OK could not put the new plant on disk */
    void saveFailed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool replacing = false;
};
