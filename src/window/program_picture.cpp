#include "window/program_picture.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

namespace {

// The picture is drawn on a 400 by 300 canvas and scaled from there.
constexpr qreal kWidth = 400;
constexpr qreal kHeight = 300;
constexpr qreal kHorizon = 196;

// Sky and sea reach from side to side of the area, between the canvas x positions given.
struct Span {
    qreal left;
    qreal right;
};

void paintSky(QPainter& painter, Span span) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(0x6f, 0xb9, 0xe8));
    sky.setColorAt(1, QColor(0xdc, 0xf1, 0xff));
    painter.fillRect(QRectF(span.left, 0, span.right - span.left, kHorizon), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xd5, 0x4a));
    painter.drawEllipse(QPointF(340, 58), 26, 26);
}

void paintSea(QPainter& painter, Span span) {
    QLinearGradient sea(0, kHorizon, 0, kHeight);
    sea.setColorAt(0, QColor(0x2a, 0x7f, 0xc0));
    sea.setColorAt(1, QColor(0x12, 0x45, 0x7a));
    painter.fillRect(QRectF(span.left, kHorizon, span.right - span.left, kHeight - kHorizon), sea);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const qreal firstWave = std::floor(span.left / 60) * 60;
    for (int row = 0; row < 4; ++row) {
        const qreal y = 226 + row * 18;
        for (qreal x = firstWave + 14 + (row % 2) * 30; x < span.right; x += 60) {
            QPainterPath wave(QPointF(x, y));
            wave.quadTo(x + 9, y - 6, x + 18, y);
            wave.quadTo(x + 27, y + 6, x + 36, y);
            painter.drawPath(wave);
        }
    }
}

void paintIsland(QPainter& painter) {
    QPainterPath sand(QPointF(58, kHorizon + 6));
    sand.cubicTo(100, 160, 290, 156, 336, kHorizon + 6);
    sand.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe9, 0xd0, 0x8c));
    painter.drawPath(sand);
    QPainterPath grass(QPointF(110, 182));
    grass.cubicTo(150, 166, 250, 164, 290, 182);
    grass.cubicTo(240, 176, 160, 176, 110, 182);
    painter.setBrush(QColor(0x5d, 0xa1, 0x3c));
    painter.drawPath(grass);
}

void paintPalm(QPainter& painter) {
    const QPointF crown(168, 92);
    QPainterPath trunk(QPointF(146, 180));
    trunk.cubicTo(140, 140, 150, 110, crown.x(), crown.y());
    painter.setPen(QPen(QColor(0x7a, 0x4e, 0x25), 8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trunk);

    // Each leaf bends from the crown out to its tip and back on a wider curve.
    struct Leaf {
        QPointF tip;
        QPointF bend;
    };
    const Leaf leaves[] = {
        {{110, 108}, {130, 72}}, {{122, 76}, {136, 66}},  {{172, 54}, {150, 58}},
        {{220, 82}, {198, 60}},  {{226, 118}, {214, 82}},
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x8b, 0x3a));
    for (const Leaf& leaf : leaves) {
        QPainterPath path(crown);
        path.quadTo(leaf.bend, leaf.tip);
        path.quadTo((leaf.bend + crown) / 2 + QPointF(0, 10), crown);
        painter.drawPath(path);
    }
    painter.setBrush(QColor(0x6b, 0x3f, 0x1d));
    painter.drawEllipse(crown + QPointF(-4, 6), 5, 5);
    painter.drawEllipse(crown + QPointF(5, 7), 5, 5);
}

void paintMast(QPainter& painter) {
    const QPointF top(262, 62);
    const qreal baseY = 178;
    const qreal left = 252;
    const qreal right = 272;
    painter.setPen(QPen(QColor(0x4a, 0x4a, 0x52), 2.5));
    painter.drawLine(QPointF(left, baseY), top);
    painter.drawLine(QPointF(right, baseY), top);
    // Lattice bracing between the two legs.
    const int sections = 6;
    for (int i = 0; i < sections; ++i) {
        const qreal t0 = qreal(i) / sections;
        const qreal t1 = qreal(i + 1) / sections;
        const QPointF l0 = QPointF(left, baseY) + (top - QPointF(left, baseY)) * t0;
        const QPointF r1 = QPointF(right, baseY) + (top - QPointF(right, baseY)) * t1;
        const QPointF r0 = QPointF(right, baseY) + (top - QPointF(right, baseY)) * t0;
        painter.setPen(QPen(QColor(0x4a, 0x4a, 0x52), 1.2));
        painter.drawLine(l0, r1);
        painter.drawLine(l0, r0);
    }
    // A small beam on top.
    painter.setPen(QPen(QColor(0x30, 0x30, 0x38), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top, top + QPointF(0, -12));
    painter.drawLine(top + QPointF(-22, -12), top + QPointF(22, -12));
    for (qreal x : {-18.0, -6.0, 6.0, 18.0}) painter.drawLine(top + QPointF(x, -18), top + QPointF(x, -6));

    // Radio waves going out from the beam.
    painter.setPen(QPen(QColor(0xe8, 0x4a, 0x1c), 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = top + QPointF(0, -12);
    for (qreal radius : {34.0, 48.0, 62.0}) {
        const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(circle, -30 * 16, 60 * 16);
        painter.drawArc(circle, 150 * 16, 60 * 16);
    }
}

}  // namespace

void paintProgramPicture(QPainter& painter, const QRectF& area) {
    const qreal scale = std::min(area.width() / kWidth, area.height() / kHeight);
    const QPointF origin = area.center() - QPointF(kWidth, kHeight) * scale / 2;
    const Span span{(area.left() - origin.x()) / scale, (area.right() - origin.x()) / scale};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    painter.translate(origin);
    painter.scale(scale, scale);
    paintSky(painter, span);
    paintSea(painter, span);
    paintIsland(painter);
    paintPalm(painter);
    paintMast(painter);
    painter.restore();
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintProgramPicture(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {}

// The picture is drawn once per size: the splash that shows it comes anew with every view.
void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("skerrydesk-picture-%1x%2@%3").arg(area.width()).arg(area.height()).arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(area.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paintProgramPicture(painter, QRectF(0, 0, area.width(), area.height()));
        painter.end();
        QPixmapCache::insert(key, picture);
    }
    QPainter(this).drawPixmap(area.topLeft(), picture);
}
