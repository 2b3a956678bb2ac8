#pragma once
// What the counting windows (the count check, the practice settings, the
// Count Drill window and the Counting tab of the statistics) write about the
// count school, in one place: the systems' and drills' names, answers and
// right values as the player reads them, the field an answer is typed in, and
// the day it is where the player is.

#include "strategy/CountDrill.h"
#include "strategy/CountingRecord.h"

#include <QString>

class QLineEdit;

namespace dealmoor {

// Help topics of the count school.
inline constexpr int HelpCountPractice = 41023;
inline constexpr int HelpCountDrill = 41024;

QString SystemName(CountingSystem system);
// "Table check: running count", "Drill: true count", ...
QString DrillName(CountingDrill drill);
// What a question asks, as the label before its answer field: "Running count:".
QString QuestionLabel(CountQuestion question);
// An answer or a right value as the count school writes it ("+4", "-1.5", "3.5").
QString ValueText(Tenths value, CountQuestion question);
// The typed answer, read as the count school reads it.
std::optional<Tenths> ReadTypedAnswer(const QString& text, CountQuestion question);
// A pace in cards a second: "2.5".
QString PaceText(Tenths pace);
// Seconds with one decimal in the player's locale: "2.4 s".
QString SecondsText(double seconds);
// The shoe's size in words: "a six-deck shoe" (312 cards), "a single deck" (52).
QString ShoeText(int shoeCards);

CalendarDay Today();

// The colour a verdict is written in: green right, red wrong, grey skipped.
QString VerdictColour(Verdict verdict);

// Makes `field` an answer field for `question`: it takes a sign and digits,
// and for the true count and the decks left one decimal; right-aligned, as
// wide as the longest answer.
void PrepareAnswerField(QLineEdit* field, CountQuestion question);

} // namespace dealmoor
