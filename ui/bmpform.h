#pragma once

#include "controls.h"

class QLineEdit;
class QPushButton;

// Chooses the picture behind the plant. Lives only while it is open, and every
// opening starts from the stored path.
class BmpForm : public GameDialog
{
    Q_OBJECT
public:
    // What exec() returns: Accepted for OK (a picture path), Reset for RESET,
    // Rejected for CANCEL and the close box.
    static constexpr int Reset = 2;

    explicit BmpForm(QWidget* parent);

    void setPath(const QString& path);
    QString path() const;

    /* the file types the browse dialog offers, in the order it lists them */
    static QStringList pictureFilters();

private:
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    QLineEdit* Text1 = nullptr;
    QPushButton* Command3 = nullptr;
};
