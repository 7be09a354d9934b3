#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <vector>

#include "base/progress.h"

// What a batch command showed: each value set with the caption then shown, and each step.
struct RecordedProgress : BatchProgress {
    void setCaption(const QString& shownCaption) override { caption = shownCaption; }
    void setValue(int percent) override {
        values << percent;
        shown.append({percent, caption});
    }
    void advance(int points) override { steps.push_back(points); }

    QString caption;
    QList<int> values;
    QList<QPair<int, QString>> shown;
    std::vector<int> steps;
};
