#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "reports/render/page_layout.h"

// The laid-out pages as text: each band with its top in millimetres and its texts in order, a
// band of several lines (the summary table, a growing text block) with each line below it.
QStringList pageText(const std::vector<reports::LaidOutPage>& pages);

// Compares page text with a reference file in tests/reports/golden. With SKERRY_REGENERATE_REFERENCES=1
// in the environment the reference is written instead, to take a wanted layout change on.
// Gives an empty text when they agree, otherwise what differs, naming the first differing line.
QString compareWithGolden(const QStringList& text, const QString& goldenName);
