#pragma once

#include <QDialog>

// The accessory window (filled in with the care actions).
class AcceForm : public QDialog
{
    Q_OBJECT
public:
    explicit AcceForm(QWidget* parent = nullptr);
};
