#include "overform.h"

#include <QLabel>
#include <QPushButton>

namespace {
// No close box: the farewell is said only with END.
constexpr Qt::WindowFlags farewellFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
} // namespace

OverForm::OverForm(Cause cause, QWidget* parent)
    : GameDialog(parent,
                 cause == Cause::Rotted ? QStringLiteral("overform") : QStringLiteral("overform2"),
                 cause == Cause::Rotted ? QSize(2895, 840) : QSize(2910, 990), farewellFlags)
{
    const bool rotted = cause == Cause::Rotted;
    if (rotted)
        setWindowIcon(resourceIcon(QStringLiteral("icon")));
    QLabel* Label1 =
        rotted ? placeLabel(this, QStringLiteral("Label1"), twipRect(120, 120, 2655, 255),
                            //: The plant has died of too much water. One line of 177 pixels
                            tr("水のやりすぎで腐ってしまいました"))
               : placeLabel(this, QStringLiteral("Label1"), twipRect(120, 120, 2655, 375),
                            //: The plant has died of too little water. Two lines of 177 pixels
                            tr("あまりに水をやらなかったので、干からびてしまいました"));
    Label1->setWordWrap(true);
    auto* Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                               twipRect(960, rotted ? 480 : 600, 975, 255),
                                               //: Button: say goodbye to the dead plant and quit
                                               tr("END"));
    //: The window that says the plant has died, as a screen reader names it
    setAccessibleName(tr("お別れ"));
    connect(Command1, &QPushButton::clicked, this, &OverForm::Command1_Click);
}

void OverForm::Command1_Click()
{
    accept();
}
