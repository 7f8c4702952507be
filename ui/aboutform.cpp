#include "aboutform.h"

#include "rules/plantstate.h"

#include <QLabel>
#include <QPushButton>

namespace {
QFont titleFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(15.75);
    font.setBold(true);
    return font;
}

// The stand-in fonts may set a text wider than the layout allows; the label
// then grows to the right rather than cut the text short.
void fitText(QLabel* label, const QFont& font)
{
    label->setFont(font);
    label->resize(label->size().expandedTo(label->sizeHint()));
}
} // namespace

AboutForm::AboutForm(QWidget* parent)
    : GameDialog(parent, QStringLiteral("aboutform"), QSize(3015, 1335))
{
    setWindowIcon(resourceIcon(QStringLiteral("icon")));
    for (const int left : {120, 2400})
        placeImage(this, QStringLiteral("Image1(%1)").arg(left == 120 ? 0 : 1),
                   twipRect(left, 120, 480, 480), QStringLiteral("icon"));

    //: The game's name, the title of its windows
    fitText(
        placeLabel(this, QStringLiteral("Label1"), twipRect(720, 120, 1575, 375), tr("MORVICK")),
        titleFont());
    // Black on the fixed grey whatever the desktop's theme.
    //: The game's version; %1 is its number, such as 1.41
    const QString version = tr("Ver. %1").arg(QStringLiteral(MORVICK_VERSION));
    fitText(placeColouredLabel(this, QStringLiteral("Label3"), twipRect(1200, 600, 885, 240),
                               colourFromLong(0x00C0C0C0), Qt::black, version),
            gothicFont(12, false));

    //: Button: close the About window
    auto* Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                               twipRect(840, 960, 1335, 255), tr("OK"));
    //: The About window, as a screen reader names it
    setAccessibleName(tr("MORVICKについて"));
    connect(Command1, &QPushButton::clicked, this, &AboutForm::Command1_Click);
}

// Hidden, not closed: the next About shows this same window.
void AboutForm::Command1_Click()
{
    hide();
}
