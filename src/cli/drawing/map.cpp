#include <QPainter>
#include <QRegularExpression>
#include <optional>

#include "cli/drawing.h"
#include "cli/open_data_folder.h"
#include "map/coastline_atlas.h"
#include "map/map_filter.h"
#include "map/map_groups.h"
#include "map/map_picture.h"
#include "map/map_renderer.h"

namespace {

// The picture's size unless given, and its limits: a picture of 25 megapixels takes 100 MB.
constexpr QSize kDefaultSize(1600, 800);
constexpr int kSmallestSide = 64;
constexpr int kLargestSide = 10000;
constexpr qint64 kMostPixels = 25'000'000;

QSize pictureSize(const std::optional<QString>& text) {
    if (!text) return kDefaultSize;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(*text);
    const QSize size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    const auto fits = [](int side) { return side >= kSmallestSide && side <= kLargestSide; };
    if (!fits(size.width()) || !fits(size.height()) || qint64(size.width()) * size.height() > kMostPixels)
        throw UsageError{
            QStringLiteral("--size takes WIDTHxHEIGHT in pixels, each side %1 to %2, at most %3 megapixels")
                .arg(kSmallestSide)
                .arg(kLargestSide)
                .arg(kMostPixels / 1'000'000)};
    return size;
}

unsigned displayModes(const std::optional<QString>& text) {
    if (!text) return maps::MapFilter{}.displayModes;
    const std::optional<unsigned> modes = maps::displayModesOfKeys(*text);
    if (!modes) {
        QStringList keys;
        for (const QString& key : maps::displayModeKeys()) keys << key;
        throw UsageError{QStringLiteral("--status takes one or more of %1, separated by commas").arg(keys.join(u' '))};
    }
    return *modes;
}

std::optional<QString> groupCode(const std::optional<QString>& text) {
    if (!text) return std::nullopt;
    for (const maps::GroupAward& award : maps::groupAwards())
        if (text->compare(award.code, Qt::CaseInsensitive) == 0) return award.code;
    throw UsageError{QStringLiteral("--group takes A (Arctic Islands), B (British Isles) or W (West Indies)")};
}

// The area's west and east edge (west east of east across the date line) and two latitudes.
maps::MapProjection projection(const std::optional<QString>& area, QSize size) {
    if (!area) return maps::MapProjection::wholeGlobe(size);
    const QStringList parts = area->split(u',');
    std::array<double, 4> edges{};
    bool valid = parts.size() == 4;
    for (qsizetype i = 0; valid && i < 4; ++i) edges[size_t(i)] = parts[i].trimmed().toDouble(&valid);
    const auto [west, latitude1, east, latitude2] = edges;
    valid = valid && std::abs(west) <= 180 && std::abs(east) <= 180 && std::abs(latitude1) <= 90 &&
            std::abs(latitude2) <= 90 && west != east && latitude1 != latitude2;
    if (!valid)
        throw UsageError{QStringLiteral(
            "--area takes the west longitude, a latitude, the east longitude and another latitude in degrees, "
            "such as -11,49,2,61 (a west longitude greater than the east one runs over the date line)")};
    return maps::MapProjection::area(size, west, east, latitude1, latitude2);
}

void printCounts(const maps::MapCounts& counts, QTextStream& out) {
    for (const maps::StatusKind& kind : maps::statusKinds())
        out << kind.name << '\t' << counts.placed[size_t(kind.status)] << '\n';
    out << "not placed\t" << counts.notPlaced.size() << '\n';
    for (const maps::MapGroup* group : counts.notPlaced)
        out << group->reference << '\t' << group->place.notPlacedReason << '\n';
}

}  // namespace

void drawing::map(const Arguments& arguments, QTextStream& out) {
    const QSize size = pictureSize(arguments.value("--size"));
    const maps::MapFilter filter{displayModes(arguments.value("--status")), groupCode(arguments.value("--group"))};
    const maps::MapProjection view = projection(arguments.value("--area"), size);
    const QString& picture = arguments[0];
    if (!maps::pictureFormatOf(picture))
        throw UsageError{QStringLiteral("the picture's name must end in .png or .pdf")};
    OpenDataFolder data;
    const std::vector<maps::MapGroup> groups = maps::readMapGroups(data.database);
    maps::CoastlineAtlas atlas;
    maps::MapRenderer renderer(atlas);
    const maps::MapScene scene{groups, filter, view, maps::lightMapStyle()};
    maps::writeMapPicture(picture, size, [&](QPainter& painter) { renderer.paint(painter, scene); });
    printCounts(maps::countShown(groups, filter), out);
    QTextStream err(stderr);
    for (const QString& note : renderer.notes()) err << note << '\n';
}
