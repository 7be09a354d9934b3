#pragma once

#include <QStringList>

#include "cluster/spot_alerts.h"

// Keeps the notifications it was given instead of showing them, and has trouble when told to.
class RecordingNotifier : public Notifier {
public:
    void notify(const QString& summary, const QString& body) override {
        summaries << summary;
        bodies << body;
    }
    void haveTrouble(const QString& trouble) { tellTrouble(trouble); }

    QStringList summaries;
    QStringList bodies;
};
