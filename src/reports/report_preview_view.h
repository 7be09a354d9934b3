#pragma once

#include "reports/render/report.h"

class Clock;
class Dialogs;
class QWidget;

namespace reports {

// Shows a finished report to the user; tests put a preview in its place that keeps the report.
class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    // Shows the report and returns when the user has closed the preview.
    virtual void show(const Report& report) = 0;
};

// The print preview window: the pages as printed on the printer's paper (Letter, otherwise A4),
// from which the user prints, with a button that saves the report as a PDF file.
class PrintPreview : public ReportPreview {
public:
    PrintPreview(QWidget* parent, const Clock& clock, Dialogs& dialogs);
    void show(const Report& report) override;

private:
    QWidget* m_parent;
    const Clock& m_clock;
    Dialogs& m_dialogs;
};

}  // namespace reports
