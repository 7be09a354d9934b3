#pragma once

#include <QStringList>
#include <QStringView>

// The island references a spot's comment names, each once, in the order written, as "EU-005".
// A reference is a continent code (AF AN AS EU NA OC SA, in any letter case) and a number from 001
// to 999, written "EU-005" or "EU005" as a whole word; after the word IOTA also "EU 005". A
// longer reference holding one ("W7A/NA-066", a summit) names none, nor does a signal report after
// a continent ("NA 579"), a call ("EU7F"), a frequency, time or locator. Two references joined by
// a slash ("EU-005/EU-006") are both named.
QStringList islandReferencesIn(QStringView comment);
