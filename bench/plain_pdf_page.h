#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The texts of a report written with plain QPdfWriter/QPainter calls, the baseline of the
// program's renderer: one font, the title, one line per record, its texts in columns a sixth of
// the page wide, no layout. Needs a GUI application.
void plainPdf(const QString& fileName, const QString& title, const std::vector<QStringList>& lines);
