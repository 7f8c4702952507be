// Placeholder handlers until help and About land.
#include "core/mainform.h"

void MainForm::mhepl1_Click() {}
void MainForm::mhelp2_Click() {}
void MainForm::mabout_Click() {}
