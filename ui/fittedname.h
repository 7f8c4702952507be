#pragma once

#include <QString>

class QLabel;
class QRadioButton;

// A plant's name in a place of fixed width: when the whole does not fit, the
// name is cut short with an ellipsis so the text around it still shows, and
// the whole stays in the control's tip and accessible name.

/* a label that shows only the name */
void showFittedName(QLabel& label, const QString& name);

/* an option whose caption is sentence, with "%1" where the name goes */
void showFittedSentence(QRadioButton& option, const QString& sentence, const QString& name);

/* a label of as many lines as its height holds, showing sentence with "%1" where the name goes */
void showFittedSentence(QLabel& label, const QString& sentence, const QString& name);
