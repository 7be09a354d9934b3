#include "base/clock.h"

QString dateTimeText(const Clock& clock) {
    return clock.now().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}
