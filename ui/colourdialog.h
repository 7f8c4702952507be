#pragma once

#include <QColor>
#include <QDialog>

class QColorDialog;

// Qt's colour chooser in a window of the game's: inside a scroll area, so that
// on a screen smaller than the chooser it scrolls instead of running off the
// screen, and modal to the game alone like the game's other windows.
class ColourDialog : public QDialog
{
    Q_OBJECT
public:
    ColourDialog(const QColor& initial, QWidget* parent);

    /* the colour chosen with OK */
    QColor selectedColor() const;

protected:
    // Enter outside a button is the chooser's OK: inside another window the
    // chooser takes whichever button last had the focus for its default.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QColorDialog* chooser = nullptr;
};
