#pragma once

#include "core/controls.h"

#include <QDialog>
#include <QStringList>

class MainForm;
class QLabel;
class QLineEdit;
class QPushButton;

// Chooses the picture behind the plant. Lives only while it is open, and every
// opening starts from the stored path.
class BmpForm : public GameDialog
{
    Q_OBJECT
public:
    explicit BmpForm(MainForm& mainform);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;

    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void storeBmpdir();

    MainForm& mainform;
};

/* the file types the browse dialog offers, in the order it lists them */
QStringList pictureFilters();
