// Placeholder handlers until the care actions land.
#include "acceform.h"
#include "core/mainform.h"

AcceForm::AcceForm(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("acceform")); }

void MainForm::siikubutton1_Click() {}
void MainForm::siikubutton2_Click() {}
void MainForm::siikubutton3_Click() {}

#include "qtsoundplayer.h"
void QtSoundPlayer::play(const QString&) {}
