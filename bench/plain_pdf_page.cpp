#include "plain_pdf_page.h"

#include <QPainter>
#include <QPdfWriter>

void plainPdf(const QString& fileName, const QString& title, const std::vector<QStringList>& lines) {
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    const double lineHeight = painter.fontMetrics().height();
    double y = lineHeight;
    painter.drawText(QPointF(0, y), title);
    for (const QStringList& line : lines) {
        y += lineHeight;
        if (y > writer.height()) {
            writer.newPage();
            y = lineHeight;
        }
        double x = 0;
        for (const QString& text : line) {
            painter.drawText(QPointF(x, y), text);
            x += writer.width() / 6.0;
        }
    }
}
