#include "exchange/award_lines.h"

#include "exchange/line_format.h"

AwardColumns readAwardLine(const QString& line) {
    return {trimmedRight(columnText(line, {10, 14})), trimmedRight(columnText(line, {24, 7})),
            columnText(line, {31, 9}), columnText(line, {40, 0})};
}
