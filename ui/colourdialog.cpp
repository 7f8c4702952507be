#include "colourdialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

ColourDialog::ColourDialog(const QColor& initial, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("colourdialog"));
    setWindowModality(Qt::WindowModal);
    chooser = new QColorDialog(initial);
    chooser->setOption(QColorDialog::DontUseNativeDialog);
    setWindowTitle(chooser->windowTitle());

    auto* scroll = new QScrollArea(this);
    // The focus goes to the chooser's controls, as in a chooser of its own.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(chooser); // a plain widget there, no more a window of its own
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // The chooser's own OK and Cancel end this window.
    connect(chooser, &QDialog::finished, this, &QDialog::done);
    chooser->installEventFilter(this);
    // As large as the chooser wants where the screen allows; a scroll area on its own asks less.
    resize(chooser->sizeHint());
}

bool ColourDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) { // only the chooser is watched
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QColor ColourDialog::selectedColor() const
{
    return chooser->selectedColor();
}
