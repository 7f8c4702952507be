#pragma once

#include "draw.h"
#include "plantstate.h"

#include <QString>
#include <array>

// What the owner can say to the plant, and what the plant may answer.

// The sentences hold "%1" where the plant's name goes, so a window can shorten
// a long name to make a sentence fit.

/* the sentence for the first button: "good morning" and the like by the hour, 0..23 */
QString greeting(int hour);

/* the sentence for button 1..3 by its draw 1..3 and the owner's speech (2 = feminine) */
QString talkSentence(int button, int draw, int seiword);

/* the sentence with the name in its place, the name taken as it is */
QString withName(const QString& sentence, const QString& name);

/* the four sentences of one opening: the greeting by shour, then one draw per button */
std::array<QString, 4> talkSentences(const PlantState& state, const Draw& draw);

// Saying a sentence: one more point of affection, and the chance, growing with
// it, that the plant answers. Draws only when the plant may answer at all.
bool plantAnswers(PlantState& state, const Draw& draw);

/* the plant's answer for a draw 1..10; a male plant (sei 1) answers 3 and 7 its own way */
QString reactionLine(int draw, int sei);
