#include "register/group_facts.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

std::optional<GroupBox> boxFromEdges(double latitude1, double latitude2, double longitude1, double longitude2) {
    for (double latitude : {latitude1, latitude2})
        if (!(latitude >= -90 && latitude <= 90)) return std::nullopt;
    for (double longitude : {longitude1, longitude2})
        if (!(longitude >= -180 && longitude <= 180)) return std::nullopt;
    GroupBox box{std::min(longitude1, longitude2), std::max(longitude1, longitude2), std::min(latitude1, latitude2),
                 std::max(latitude1, latitude2)};
    const double span = box.east - box.west;
    if (span > 180 && span < 360) std::swap(box.west, box.east);
    return box;
}

QString boxText(const std::optional<GroupBox>& box) {
    if (!box) return QString();
    const auto number = [](double degrees) { return QString::number(degrees, 'g', QLocale::FloatingPointShortest); };
    return QStringLiteral("%1 %2 %3 %4")
        .arg(number(box->west), number(box->east), number(box->south), number(box->north));
}

std::optional<QString> dxccNumbers(const QString& text) {
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    // Most groups lie in one entity.
    if (!text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit)) return text;
    QStringList numbers = text.split(u',');
    for (QString& number : numbers) {
        number = number.trimmed();
        if (number.isEmpty() || !std::all_of(number.begin(), number.end(), isDigit)) return std::nullopt;
    }
    return numbers.join(u',');
}
