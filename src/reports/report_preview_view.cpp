#include "reports/report_preview_view.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include "app/dialogs.h"
#include "app/error_box.h"
#include "base/clock.h"
#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "reports/render/report_renderer.h"

namespace reports {

PrintPreview::PrintPreview(QWidget* parent, const Clock& clock, Dialogs& dialogs)
    : m_parent(parent), m_clock(clock), m_dialogs(dialogs) {}

void PrintPreview::show(const Report& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title);
    applyPageSetup(report, printer, printer.pageLayout().pageSize());

    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(report.title);
    // Failures are shown here: they must not travel through the dialog's event loop.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        runWithErrorBox(m_dialogs, [&] { renderReport(report, *target, dateTimeText(m_clock)); });
    });
    if (QToolBar* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        QAction* savePdf = toolBar->addAction(QStringLiteral("Save as PDF..."));
        QObject::connect(savePdf, &QAction::triggered, &dialog, [&] {
            const QString fileName = m_dialogs.saveFileName(QStringLiteral("Save as PDF"), report.title + ".pdf",
                                                            QStringLiteral("PDF files (*.pdf)"));
            if (fileName.isEmpty()) return;
            runWithErrorBox(m_dialogs, [&] {
                writeReportPdf(report, fileName, printer.pageLayout().pageSize(), dateTimeText(m_clock));
            });
        });
    }
    m_dialogs.exec(dialog);
}

}  // namespace reports
