// Placeholder handlers until the appearance windows land.
#include "core/mainform.h"

void MainForm::mtubo_Click() {}
void MainForm::mcolor_Click() {}
void MainForm::mbmp_Click() {}
