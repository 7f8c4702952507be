#include "touch.h"
#include "core/mainform.h"
#include "core/random.h"

#include <QLabel>

void MainForm::sshape1_Click()
{
    morvick.ai += 1;
    smsgbox->setText(touchRemark(drawFrom(10), morvick.sei));
}

void MainForm::Picture1_MouseMove()
{
    smsgbox->clear();
}
