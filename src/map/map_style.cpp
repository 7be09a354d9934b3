#include "map/map_style.h"

#include <QPalette>
#include <QPolygonF>

namespace maps {

const MapStyle& lightMapStyle() {
    static const MapStyle style{
        QColor(0xe4, 0xe4, 0xe4),
        QColor(0xbf, 0xd8, 0xec),
        QColor(0xf2, 0xef, 0xe6),
        QColor(0x6f, 0x86, 0x9c),
        QColor(0xb0, 0x96, 0x84),
        QColor(0xa6, 0xc4, 0xdd),
        QColor(0x1a, 0x1a, 0x1a),
        QColor(0xff, 0xff, 0xff, 0xe0),
        QColor(0x1a, 0x1a, 0x1a),
        {QColor(0xc8, 0x10, 0x2e), QColor(0xc9, 0x97, 0x00), QColor(0x78, 0x5e, 0xf0), QColor(0x00, 0x99, 0x88),
         QColor(0x44, 0x44, 0x44)},
    };
    return style;
}

const MapStyle& darkMapStyle() {
    static const MapStyle style{
        QColor(0x24, 0x24, 0x24),
        QColor(0x1b, 0x26, 0x31),
        QColor(0x3b, 0x41, 0x46),
        QColor(0x7d, 0x92, 0xa6),
        QColor(0x86, 0x78, 0x6c),
        QColor(0x2d, 0x3c, 0x4a),
        QColor(0xee, 0xee, 0xee),
        QColor(0x2a, 0x2a, 0x2a, 0xe0),
        QColor(0xf5, 0xf5, 0xf5),
        {QColor(0xff, 0x7f, 0x50), QColor(0xff, 0xb0, 0x00), QColor(0x64, 0x8f, 0xff), QColor(0x3f, 0xd1, 0xa0),
         QColor(0xe0, 0xe0, 0xe0)},
    };
    return style;
}

const MapStyle& mapStyleFor(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5 ? darkMapStyle() : lightMapStyle();
}

QPainterPath markerPath(GroupStatus groupStatus, double radius) {
    QPainterPath path;
    const double r = radius;
    switch (groupStatus) {
        case GroupStatus::Needed:
            path.addEllipse(QPointF(0, 0), r, r);
            break;
        case GroupStatus::Worked:
            path.addPolygon(QPolygonF({{0, -1.2 * r}, {1.1 * r, 0.8 * r}, {-1.1 * r, 0.8 * r}, {0, -1.2 * r}}));
            break;
        case GroupStatus::Claimed:
            path.addRect(-0.85 * r, -0.85 * r, 1.7 * r, 1.7 * r);
            break;
        case GroupStatus::Approved:
            path.addPolygon(QPolygonF({{0, -1.2 * r}, {1.2 * r, 0}, {0, 1.2 * r}, {-1.2 * r, 0}, {0, -1.2 * r}}));
            break;
        case GroupStatus::Deleted: {
            // A cross of two bars, filled as one shape.
            const double arm = 0.35 * r;
            path.addPolygon(QPolygonF({{-r, -arm},
                                       {-arm, -arm},
                                       {-arm, -r},
                                       {arm, -r},
                                       {arm, -arm},
                                       {r, -arm},
                                       {r, arm},
                                       {arm, arm},
                                       {arm, r},
                                       {-arm, r},
                                       {-arm, arm},
                                       {-r, arm},
                                       {-r, -arm}}));
            break;
        }
    }
    return path;
}

}  // namespace maps
