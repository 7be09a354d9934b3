#include "reports/report_preview_view.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <algorithm>
#include <memory>

#include "base/clock.h"
#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "reports/render/report_renderer.h"
#include "window/dialogs.h"
#include "window/error_box.h"

namespace reports {

namespace {

const QString kZoomKey = QStringLiteral("Preview/Zoom");

QSettings settings() {
    return QSettings(QStringLiteral("Skerrydesk"), QStringLiteral("Skerrydesk"));
}

// Room the preview's frame, scroll bar and page shadow take beside the page, in pixels.
constexpr int kPreviewMargin = 64;

// The preview takes most of the screen, so a page at a readable zoom fits on it.
QSize previewSize(const QDialog& dialog) {
    const QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen() : dialog.screen();
    return screen ? screen->availableGeometry().size() * 0.85 : dialog.size();
}

// The zoom at which the page fills the width of the preview: at zoom 1 the page has its paper size.
qreal widthFillingZoom(const QPrinter& printer, const QWidget& preview, int previewWidth) {
    const qreal pageWidth = printer.pageLayout().fullRectPoints().width() / 72.0 * preview.logicalDpiX();
    return pageWidth > 0 ? (previewWidth - kPreviewMargin) / pageWidth : 1.0;
}

// A page shown whole is too small to read: the preview opens at the zoom the user last chose,
// else as wide as the window, but never larger than the page itself. A zoom the user changed
// is kept for the next preview.
void openAtReadableZoom(QPrintPreviewDialog& dialog, const QPrinter& printer) {
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    if (!preview) return;
    auto openingZoom = std::make_shared<qreal>(0);
    // The dialog takes its own size when it is first shown; the zoom is set after that.
    QObject::connect(
        preview, &QPrintPreviewWidget::previewChanged, preview,
        [&dialog, &printer, preview, openingZoom] {
            const QSize size = previewSize(dialog);
            dialog.resize(size);
            const QVariant lastZoom = settings().value(kZoomKey);
            *openingZoom = lastZoom.toDouble() > 0 ? lastZoom.toDouble()
                                                   : std::min(1.0, widthFillingZoom(printer, *preview, size.width()));
            preview->setZoomFactor(*openingZoom);
        },
        Qt::SingleShotConnection);
    QObject::connect(&dialog, &QDialog::finished, preview, [preview, openingZoom] {
        if (preview->zoomFactor() != *openingZoom) settings().setValue(kZoomKey, preview->zoomFactor());
    });
}

// The preview's tool buttons take no keyboard focus: its commands get the usual shortcuts.
// They are found by the texts the toolkit gives them (the program loads no translation).
void giveShortcuts(QPrintPreviewDialog& dialog) {
    const std::pair<const char*, QKeySequence> kShortcuts[] = {
        {"Print", QKeySequence::Print},
        {"Zoom in", QKeySequence::ZoomIn},
        {"Zoom out", QKeySequence::ZoomOut},
        {"Fit width", QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"Next page", QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {"Previous page", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {"Save as PDF...", QKeySequence::Save},
    };
    for (QAction* action : dialog.findChildren<QAction*>())
        for (const auto& [text, keys] : kShortcuts)
            if (action->text() == QLatin1String(text)) action->setShortcut(keys);
}

}  // namespace

PrintPreview::PrintPreview(QWidget* parent, const Clock& clock, Dialogs& dialogs)
    : m_parent(parent), m_clock(clock), m_dialogs(dialogs) {}

void PrintPreview::show(const Report& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title);
    applyPageSetup(report, printer, printer.pageLayout().pageSize());

    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(report.title);
    openAtReadableZoom(dialog, printer);
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
    giveShortcuts(dialog);
    m_dialogs.exec(dialog);
}

}  // namespace reports
