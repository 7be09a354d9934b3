#pragma once

#include <QFont>
#include <QString>

#include "reports/render/report.h"

namespace reports {

// The family that prints as Arial: Arial where it is installed, otherwise Liberation Sans, which
// has the same letter widths.
QString arialFamily();

// The font of a report text.
QFont reportFont(const TextStyle& style);

}  // namespace reports
