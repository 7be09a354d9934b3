#include "reports/render/report_fonts.h"

#include <QFontDatabase>

namespace reports {

QString arialFamily() {
    static const QString family =
        QFontDatabase::hasFamily(QStringLiteral("Arial")) ? QStringLiteral("Arial") : QStringLiteral("Liberation Sans");
    return family;
}

QFont reportFont(const TextStyle& style) {
    QFont font(arialFamily());
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

}  // namespace reports
