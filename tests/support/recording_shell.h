#pragma once

#include <QStringList>

#include "app/shell.h"

// A shell that records the targets it is asked to open instead of opening them.
class RecordingShell : public Shell {
public:
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};
