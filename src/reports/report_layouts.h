#pragma once

#include <QString>

namespace reports {

// The island list report: one line per island of a chosen status.
struct IslandListLayout {
    QString title = QStringLiteral("Detailed Report");
    bool enabled = true;
    // Page header: the owner's callsign and directory number.
    QString QRLabel7;
    QString QRLabel8;
};

// The award summary report.
struct SummaryLayout {
    QString title = QStringLiteral("Summary");
    bool enabled = true;
    // Page header: the owner's callsign and directory number.
    QString QRLabel10;
    QString QRLabel11;
};

// The want list report.
struct WantListLayout {
    QString title = QStringLiteral("Want List");
    bool enabled = true;
};

// The page-header captions naming the owner, as read at start-up.
QString ownerCaption(const QString& callsign);
QString directoryCaption(const QString& directoryNo);

}  // namespace reports
