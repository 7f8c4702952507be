#include "overform.h"

#include "ending.h"
#include "savefailure.h"
#include "store.h"
#include "twips.h"
#include "view/imagecontrol.h"

#include <QLabel>
#include <QPushButton>
#include <cstdio>

OverForm::OverForm(Cause cause, QWidget* parent)
    // No close box: the farewell is said only with END.
    : GameDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::MSWindowsFixedSizeDialogHint)
{
    const bool rotted = cause == Cause::Rotted;
    setObjectName(rotted ? QStringLiteral("overform") : QStringLiteral("overform2"));
    setWindowTitle(QString());
    if (rotted)
        setWindowIcon(resourceIcon(QStringLiteral("icon")));
    setModal(true);
    setFixedSize(rotted ? QSize(px(2895), px(840)) : QSize(px(2910), px(990)));

    Label1 = placeLabel(this, QStringLiteral("Label1"), QRect());
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = new QPushButton(QStringLiteral("END"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    if (rotted) {
        Label1->setGeometry(twipRect(120, 120, 2655, 255));
        Label1->setText(QStringLiteral("水のやりすぎで腐ってしまいました"));
        Command1->setGeometry(twipRect(960, 480, 975, 255));
    } else {
        Label1->setGeometry(twipRect(120, 120, 2655, 375));
        Label1->setText(QStringLiteral("あまりに水をやらなかったので、干からびてしまいました"));
        Command1->setGeometry(twipRect(960, 600, 975, 255));
    }
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &OverForm::Command1_Click);
}

void OverForm::Command1_Click()
{
    Store store;
    if (!store.deleteSection()) {
        std::fprintf(stderr, "%s\n", qPrintable(saveFailureLine(store.fileName())));
        endProgram(1);
    }
    endProgram();
    // Only reached when a test stands in for the end of the program.
    done(QDialog::Accepted);
}
