#pragma once

#include <QString>

// What the owner can say to the plant, and what the plant may answer.

/* the sentence for the first button: "good morning" and the like by the hour, 0..23 */
QString greeting(int hour, const QString& name);

/* the sentence for button 1..3 by its draw 1..3 and the owner's speech (2 = feminine) */
QString talkSentence(int button, int draw, int seiword, const QString& name);

/* N of the one-in-N chance that the plant answers at this affection; 0: it never does */
int reactionOdds(int ai);

/* the plant's answer for a draw 1..10; a male plant (sei 1) answers 3 and 7 its own way */
QString reactionLine(int draw, int sei);
