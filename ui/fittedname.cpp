#include "fittedname.h"

#include "rules/talk.h"

#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
/* the whole text in the tip (only where it is cut short) and for a screen reader */
void tellWhole(QWidget& control, const QString& shown, const QString& whole)
{
    // Tips take markup, so the name goes in as text made safe for it.
    control.setToolTip(shown == whole ? QString()
                                      : Qt::convertFromPlainText(whole, Qt::WhiteSpaceNoWrap));
    control.setAccessibleName(whole);
}

/* the name shortened so that sentence with it is at most width wide */
QString fittedName(const QString& sentence, const QString& name, const QFontMetrics& metrics,
                   int width)
{
    const int around = metrics.horizontalAdvance(withName(sentence, QString()));
    return metrics.elidedText(name, Qt::ElideRight, width - around);
}

int captionRoom(const QRadioButton& option)
{
    QStyleOptionButton style;
    style.initFrom(&option);
    return option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option).width();
}
} // namespace

namespace {
bool fitsIn(const QLabel& label, const QString& text)
{
    const QRect room = label.contentsRect();
    const QRect needed = label.fontMetrics().boundingRect(
        room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return room.contains(needed);
}

/* the longest beginning of name, ended by an ellipsis, with which the label shows sentence whole */
QString nameThatFits(const QLabel& label, const QString& sentence, const QString& name)
{
    const QString ellipsis(QChar(0x2026));
    qsizetype kept = 0, tooMany = name.size();
    while (tooMany - kept > 1) {
        const qsizetype middle = (kept + tooMany) / 2;
        if (fitsIn(label, withName(sentence, name.left(middle) + ellipsis)))
            kept = middle;
        else
            tooMany = middle;
    }
    // Half a character is no character.
    if (kept > 0 && name.at(kept - 1).isHighSurrogate())
        --kept;
    return name.left(kept) + ellipsis;
}
} // namespace

void showFittedName(QLabel& label, const QString& name)
{
    const QString shown =
        fittedName(QStringLiteral("%1"), name, label.fontMetrics(), label.contentsRect().width());
    label.setText(shown);
    tellWhole(label, shown, name);
}

void showFittedSentence(QLabel& label, const QString& sentence, const QString& name)
{
    const QString whole = withName(sentence, name);
    const QString shown =
        fitsIn(label, whole) ? whole : withName(sentence, nameThatFits(label, sentence, name));
    label.setText(shown);
    tellWhole(label, shown, whole);
}

void showFittedSentence(QRadioButton& option, const QString& sentence, const QString& name)
{
    const QString shown =
        withName(sentence, fittedName(sentence, name, option.fontMetrics(), captionRoom(option)));
    // A button takes "&" for the mark of a shortcut key; a name shows it as typed.
    option.setText(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
    tellWhole(option, shown, withName(sentence, name));
}
