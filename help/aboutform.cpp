#include "aboutform.h"

#include "core/colour.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/twips.h"
#include "view/imagecontrol.h"

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

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                  const QFont& font)
{
    QLabel* label = placeLabel(parent, QString::fromLatin1(name), rect, text);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The stand-in fonts may set a text wider than the layout allows; the label
    // then grows to the right rather than cut the version number short.
    label->resize(label->size().expandedTo(label->sizeHint()));
    return label;
}
} // namespace

AboutForm::AboutForm(QWidget* parent) : GameDialog(parent)
{
    setObjectName(QStringLiteral("aboutform"));
    setWindowTitle(QString());
    setWindowIcon(resourceIcon(QStringLiteral("icon")));
    setFixedSize(px(3015), px(1335));

    const QRect imageRects[2] = {twipRect(120, 120, 480, 480), twipRect(2400, 120, 480, 480)};
    for (int i = 0; i < 2; ++i) {
        Image1[i] = new ImageControl(QStringLiteral("Image1(%1)").arg(i), imageRects[i], this);
        Image1[i]->setPicture(resourcePicture(QStringLiteral("icon")));
    }

    Label1 = makeLabel(this, "Label1", QStringLiteral("MORVICK"), twipRect(720, 120, 1575, 375),
                       titleFont());
    Label3 = makeLabel(this, "Label3", QStringLiteral("Ver. 1.41"), twipRect(1200, 600, 885, 240),
                       gothicFont(12, false));
    Label3->setAutoFillBackground(true);
    QPalette grey = Label3->palette();
    grey.setColor(QPalette::Window, colourFromLong(0x00C0C0C0));
    // Black on the fixed grey whatever the desktop's theme.
    grey.setColor(QPalette::WindowText, Qt::black);
    Label3->setPalette(grey);

    Command1 = placeControl<QPushButton>(this, QStringLiteral("Command1"),
                                         twipRect(840, 960, 1335, 255), QStringLiteral("OK"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AboutForm::Command1_Click);
}

// Hidden, not closed: the next About shows this same window.
void AboutForm::Command1_Click()
{
    hide();
}
