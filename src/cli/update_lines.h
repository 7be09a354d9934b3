#pragma once

#include <QTextStream>

#include "base/text_file.h"
#include "cli/batch_write.h"

// Applies an island list update text, from a file or fetched, and prints what it applied.
void applyUpdateLines(const BatchWrite& batch, const TextLines& lines, QTextStream& out);
