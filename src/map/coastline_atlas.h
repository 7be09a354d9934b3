#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "map/coastline_file.h"

namespace maps {

// Where Debian's package gmt-gshhg-low puts GSHHG's coastlines; SKERRYDESK_GSHHG_DIR names
// another folder.
QString defaultCoastlineFolder();

// GSHHG's three resolutions of the package: crude (25 km), low (5 km) and intermediate (1 km),
// each taken from about the scale where the coarser one strays by a pixel (25 km is a pixel at
// 4.4 pixels a degree).
struct CoastlineResolution {
    char letter;  // in the file names: binned_GSHHS_c.nc
    double fromPixelsPerDegree;
};

const std::array<CoastlineResolution, 3>& coastlineResolutions();

// The index into coastlineResolutions() that suits a scale.
int resolutionFor(double pixelsPerDegree);

// One resolution as read: the layer, and the lines that say what could not be drawn and why.
struct AtlasLayer {
    CoastlineLayer layer;
    QStringList problems;
};

// The coastlines of a folder, each resolution read the first time a scale needs it and kept (the
// intermediate one takes a tenth of a second).
class CoastlineAtlas {
public:
    explicit CoastlineAtlas(QString folder = defaultCoastlineFolder());

    const AtlasLayer& layerFor(double pixelsPerDegree);
    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
    std::array<std::unique_ptr<AtlasLayer>, 3> m_layers;
};

}  // namespace maps
