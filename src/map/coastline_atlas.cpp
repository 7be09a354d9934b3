#include "map/coastline_atlas.h"

#include <QDir>

#include "base/failure.h"

namespace maps {

namespace {

// Whatever the reading fails on, the map is still drawn: the line says what is missing and how
// to get it back.
QString problemLine(const QString& what, const Failure& failure) {
    return QStringLiteral("%1 not drawn: %2; install or reinstall the package gmt-gshhg-low")
        .arg(what, failure.message());
}

std::unique_ptr<AtlasLayer> readLayer(const QString& folder, char letter) {
    auto read = std::make_unique<AtlasLayer>();
    const QDir dir(folder);
    try {
        readShorelines(dir.filePath(QStringLiteral("binned_GSHHS_%1.nc").arg(QLatin1Char(letter))), read->layer);
    } catch (const Failure& failure) {
        read->layer = CoastlineLayer{};
        read->problems << problemLine(QStringLiteral("Coastlines"), failure);
    }
    try {
        readBorders(dir.filePath(QStringLiteral("binned_border_%1.nc").arg(QLatin1Char(letter))), read->layer);
    } catch (const Failure& failure) {
        read->layer.borders = PointRuns{};
        read->problems << problemLine(QStringLiteral("National borders"), failure);
    }
    return read;
}

}  // namespace

QString defaultCoastlineFolder() {
    const QString chosen = qEnvironmentVariable("SKERRYDESK_GSHHG_DIR");
    return chosen.isEmpty() ? QStringLiteral("/usr/share/gmt-gshhg") : chosen;
}

const std::array<CoastlineResolution, 3>& coastlineResolutions() {
    static const std::array<CoastlineResolution, 3> resolutions{{{'c', 0}, {'l', 4}, {'i', 16}}};
    return resolutions;
}

int resolutionFor(double pixelsPerDegree) {
    int chosen = 0;
    for (size_t index = 0; index < coastlineResolutions().size(); ++index)
        if (pixelsPerDegree >= coastlineResolutions()[index].fromPixelsPerDegree) chosen = int(index);
    return chosen;
}

CoastlineAtlas::CoastlineAtlas(QString folder) : m_folder(std::move(folder)) {}

const AtlasLayer& CoastlineAtlas::layerFor(double pixelsPerDegree) {
    const size_t index = size_t(resolutionFor(pixelsPerDegree));
    std::unique_ptr<AtlasLayer>& layer = m_layers[index];
    if (!layer) layer = readLayer(m_folder, coastlineResolutions()[index].letter);
    return *layer;
}

}  // namespace maps
