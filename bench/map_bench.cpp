// Measures the map window (offscreen) on a full-size data folder made as `skerrydesk-cli init`
// makes it (Debian's IOTA list with the delivered groups' boxes), a fifth of each continent
// approved, claimed, worked and deleted:
// - opening: the window made, shown and painted once; target under 300 ms;
// - a pan step (an arrow key) and a zoom step (+ and − in turn) with the map repainted, on the
//   whole globe (crude coastlines), four times closer (low) and on Europe eight times closer
//   (intermediate); target under 16 ms;
// - a zoom step to a scale not in the cache, the coastlines projected anew (the baseline paints
//   the finest view once), and a window's first zoom into the intermediate coastlines, which
//   reads them;
// each beside a baseline that paints the same coastline points on a picture of the same size with
// plain QPainter::drawPolyline calls through the painter's transform (`baseline_ms`, `ratio`).
// First of all, the process's resident memory once the window has been through every scale down to
// the intermediate coastlines (`peak_mib`); target under 100 MiB.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <stdexcept>

#include "map/coastline_atlas.h"
#include "map/map_canvas_view.h"
#include "map/map_groups.h"
#include "map/map_style.h"
#include "map/map_view.h"
#include "register/delivered_data.h"
#include "register/store/database.h"

namespace {

// The full-size data folder, opened once as the program holds it.
class MapBenchData {
public:
    static MapBenchData& instance() {
        static MapBenchData data;
        return data;
    }
    maps::MapViewLinks links() {
        return {[this] { return maps::readMapGroups(m_database); }, {}, {}, {}};
    }

private:
    MapBenchData() {
        if (createDataFolderFromDebianList(m_dir.path()) == 0) throw std::runtime_error("no listed reference");
        m_database.setPath(m_dir.filePath(QStringLiteral("Data")));
        const char* const statuses[] = {"A", "C", "W", "D"};
        for (int share = 0; share < 4; ++share)
            for (const char* table : {"IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-EU", "IOTA-NA", "IOTA-OC", "IOTA-SA"})
                m_database.execute(QStringLiteral("UPDATE \"%1\" SET Status = '%2' WHERE Status = '-' AND Key % 5 = %3")
                                       .arg(QLatin1String(table), QLatin1String(statuses[share]))
                                       .arg(share));
    }

    QTemporaryDir m_dir;
    store::Database m_database;
};

// The plain way: the shorelines of the resolution the map takes at a scale, as polylines in
// degrees, each drawn with one drawPolyline call through the painter's transform.
class PlainCoastlines {
public:
    explicit PlainCoastlines(double pixelsPerDegree) {
        const maps::CoastlineLayer& layer = m_atlas.layerFor(pixelsPerDegree).layer;
        addLines(layer.shores, [](const maps::PointRuns::Run&) { return true; });
        addLines(layer.areas, [](const maps::PointRuns::Run& run) { return run.allShore; });
    }

    void paint(QImage& image, const maps::MapProjection& projection) const {
        const double scale = projection.pixelsPerDegree();
        const maps::GeoPoint centre = projection.centre();
        QPainter painter(&image);
        painter.fillRect(image.rect(), maps::lightMapStyle().sea);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(maps::lightMapStyle().shore, 0));
        painter.setTransform(QTransform(scale, 0, 0, -scale, image.width() / 2.0 - centre.longitude * scale,
                                        image.height() / 2.0 + centre.latitude * scale));
        for (const QPolygonF& line : m_lines) painter.drawPolyline(line);
    }

private:
    // Every shoreline: those crossing their bins, and the islands' and lakes' outlines.
    template <typename Wanted>
    void addLines(const maps::PointRuns& runs, Wanted wanted) {
        for (const maps::PointRuns::Run& run : runs.runs) {
            if (!wanted(run)) continue;
            QPolygonF& line = m_lines.emplace_back();
            for (int index = run.first; index < run.first + run.count; ++index)
                line << QPointF(runs.points[size_t(index)].longitude, runs.points[size_t(index)].latitude);
        }
    }

    maps::CoastlineAtlas m_atlas;
    std::vector<QPolygonF> m_lines;
};

// An open map window, brought to a view by the user's keys and a drag.
class BenchMap {
public:
    BenchMap() : m_view(MapBenchData::instance().links()) {
        m_view.show();
        QApplication::setActiveWindow(&m_view);
        if (!QTest::qWaitForWindowExposed(&m_view)) throw std::runtime_error("the map window is not shown");
        canvas().setFocus();
    }
    maps::MapCanvasView& canvas() { return m_view.canvas(); }
    // Presses a key on the map and waits for the map to be painted anew.
    void press(Qt::Key key) {
        QTest::keyClick(&canvas(), key);
        canvas().repaint();
    }
    void zoomIn(int presses) {
        for (int i = 0; i < presses; ++i) press(Qt::Key_Plus);
    }
    // Drags a place to the middle of the map.
    void centreOn(double longitude, double latitude) {
        const QPoint from = canvas().projection().toPixel({longitude, latitude}).toPoint();
        const QPoint middle = canvas().rect().center();
        QTest::mousePress(&canvas(), Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, middle, canvas().mapToGlobal(middle), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &move);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, Qt::NoModifier, middle);
        canvas().repaint();
    }

private:
    maps::MapView m_view;
};

double millisecondsOf(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

double residentMib() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * double(getpagesize()) / (1024 * 1024) : 0;
}

// Run first, while the process holds nothing else: the window opened, zoomed from the whole globe
// down to the finest scale on Europe (every resolution read) and moved about there. `window_mib` is
// what the process grew by with the window, `peak_mib` its peak resident memory.
void MapWindowMemory(benchmark::State& state) {
    MapBenchData::instance();
    const double before = residentMib();
    double grown = 0;
    for (auto _ : state) {
        BenchMap map;
        map.centreOn(10, 50);
        for (int press = 0; press < 13; ++press) map.press(Qt::Key_Plus);
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) map.press(key);
        grown = std::max(grown, residentMib() - before);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["window_mib"] = grown;
    state.counters["peak_mib"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(MapWindowMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void MapWindowOpening(benchmark::State& state) {
    MapBenchData::instance();
    QElapsedTimer timer;
    double openingMs = 0, baselineMs = 0;
    for (auto _ : state) {
        timer.start();
        BenchMap map;
        map.canvas().repaint();
        const double milliseconds = millisecondsOf(timer);
        state.SetIterationTime(milliseconds / 1000);
        openingMs += milliseconds;
        const maps::MapProjection projection = map.canvas().projection();
        const PlainCoastlines plain(projection.pixelsPerDegree());
        QImage image(map.canvas().size(), QImage::Format_ARGB32_Premultiplied);
        timer.start();
        plain.paint(image, projection);
        baselineMs += millisecondsOf(timer);
    }
    state.counters["baseline_ms"] = baselineMs / double(state.iterations());
    state.counters["ratio"] = openingMs / baselineMs;
}
BENCHMARK(MapWindowOpening)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The views of the steps: presses of + from the whole globe, and the place in the middle.
struct StepView {
    int zoomPresses;
    double longitude;
    double latitude;
};
const StepView kStepViews[] = {{0, 0, 0}, {4, 0, 30}, {6, 10, 50}};

// One step on the map beside the plain coastlines painted for the view it leaves.
void measureSteps(benchmark::State& state, Qt::Key forth, Qt::Key back) {
    const StepView& view = kStepViews[state.range(0)];
    BenchMap map;
    map.zoomIn(view.zoomPresses);
    map.centreOn(view.longitude, view.latitude);
    const PlainCoastlines plain(map.canvas().projection().pixelsPerDegree());
    QImage image(map.canvas().size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer timer;
    double stepMs = 0, baselineMs = 0;
    int step = 0;
    for (auto _ : state) {
        const maps::MapProjection shown = map.canvas().projection();
        timer.start();
        map.press(step++ % 2 == 0 ? forth : back);
        const double milliseconds = millisecondsOf(timer);
        state.SetIterationTime(milliseconds / 1000);
        stepMs += milliseconds;
        timer.start();
        plain.paint(image, shown);
        baselineMs += millisecondsOf(timer);
    }
    state.counters["scale"] = map.canvas().projection().pixelsPerDegree();
    state.counters["baseline_ms"] = baselineMs / double(state.iterations());
    state.counters["ratio"] = stepMs / baselineMs;
}

void MapPanStep(benchmark::State& state) {
    measureSteps(state, Qt::Key_Right, Qt::Key_Left);
}
BENCHMARK(MapPanStep)->UseManualTime()->Unit(benchmark::kMillisecond)->DenseRange(0, 2);

void MapZoomStep(benchmark::State& state) {
    measureSteps(state, Qt::Key_Plus, Qt::Key_Minus);
}
BENCHMARK(MapZoomStep)->UseManualTime()->Unit(benchmark::kMillisecond)->DenseRange(0, 2);

// Zooming in on Europe from the whole globe to the finest scale, every scale new to the projection
// cache: its coastlines are projected for it first. Each window first zooms in and out once, so
// that every resolution is read.
void MapZoomStepToANewScale(benchmark::State& state) {
    constexpr int kPressesToTheFinest = 13;
    QElapsedTimer timer;
    double stepMs = 0, baselineMs = 0;
    for (auto _ : state) {
        BenchMap map;
        map.centreOn(10, 50);
        for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Minus})
            for (int press = 0; press < kPressesToTheFinest; ++press) map.press(key);
        double iterationMs = 0;
        for (int press = 0; press < kPressesToTheFinest; ++press) {
            timer.start();
            map.press(Qt::Key_Plus);
            iterationMs += millisecondsOf(timer);
        }
        state.SetIterationTime(iterationMs / 1000 / kPressesToTheFinest);
        stepMs += iterationMs / kPressesToTheFinest;
        const PlainCoastlines plain(map.canvas().projection().pixelsPerDegree());
        QImage image(map.canvas().size(), QImage::Format_ARGB32_Premultiplied);
        timer.start();
        plain.paint(image, map.canvas().projection());
        baselineMs += millisecondsOf(timer);
    }
    state.counters["baseline_ms"] = baselineMs / double(state.iterations());
    state.counters["ratio"] = stepMs / baselineMs;
}
// The first zoom of a window into the intermediate coastlines, which reads them.
void MapFirstZoomIntoIntermediate(benchmark::State& state) {
    QElapsedTimer timer;
    for (auto _ : state) {
        BenchMap map;
        map.centreOn(10, 50);
        while (maps::resolutionFor(map.canvas().projection().pixelsPerDegree() * std::sqrt(2.0)) < 2)
            map.press(Qt::Key_Plus);
        timer.start();
        map.press(Qt::Key_Plus);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(MapFirstZoomIntoIntermediate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK(MapZoomStepToANewScale)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
