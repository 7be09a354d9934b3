#pragma once

#include <QString>
#include <QStringList>

#include "reports/page_header.h"

namespace reports {

// The island list report: one line per island of a chosen status.
struct IslandListLayout {
    QString title = QStringLiteral("Detailed Report");
    bool enabled = true;
    // Page header: the owner's callsign and directory number.
    QString QRLabel7;
    QString QRLabel8;
    // The list's title.
    QString QRLabel1;

    PageHeaderCaptions pageHeader() const { return {QRLabel7, QRLabel8}; }
};

// The award summary report.
struct SummaryLayout {
    QString title = QStringLiteral("Summary");
    bool enabled = true;
    // Page header: the owner's callsign and directory number.
    QString QRLabel10;
    QString QRLabel11;

    PageHeaderCaptions pageHeader() const { return {QRLabel10, QRLabel11}; }
};

// The want list report. Its text stays until the next want list clears it.
struct WantListLayout {
    QString title = QStringLiteral("Want List");
    bool enabled = true;
    QString QRLabel33;
    QStringList QRMemo1;
};

}  // namespace reports
