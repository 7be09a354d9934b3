// Measures the member file import as the user waits for it in the real main window (offscreen,
// the file dialog answered at once), beside the core import of the same file, which is the work
// of `skerrydesk-cli import-member` without its process start. It counts the paint events too.
// Targets: the window within 2 times the core and under 100 ms for the full-size member file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/text_file.h"
#include "bench_data.h"
#include "exchange/member_import.h"
#include "member_workload.h"
#include "register/start_state.h"

namespace {

// Answers every file dialog with one file and nothing else.
class FileDialogs : public Dialogs {
public:
    explicit FileDialogs(QString fileName) : m_fileName(std::move(fileName)) {}
    QMessageBox::StandardButton message(const QString&, const QString& text, QMessageBox::Icon,
                                        QMessageBox::StandardButtons) override {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&, const QString&, const QString&) override { return m_fileName; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return m_fileName; }
    int exec(QDialog&) override { return 0; }

private:
    QString m_fileName;
};

class NoShell : public Shell {
public:
    void open(const QString&) override {}
};

// Counts the paint events the window gets.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

QString memberFile() {
    const QString fileName = QDir(QFileInfo(BenchData::instance().dataFolder()).path()).filePath("bench.mbr");
    writeTextFile(fileName, memberWorkload().lines);
    return fileName;
}

void MemberImportInTheWindow(benchmark::State& state) {
    const QString fileName = memberFile();
    FileDialogs dialogs(fileName);
    SystemClock clock;
    NoShell shell;
    {
        // The owner callsign of the file spares the window its first-run setup.
        store::Database db(BenchData::instance().dataFolder());
        store::Table table(db);
        importMemberFile(db, table, fileName, readStartState(table).counts);
    }
    TForm1 form(Paths{QFileInfo(BenchData::instance().dataFolder()).path(), QCoreApplication::applicationDirPath()},
                dialogs, clock, shell);
    form.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    store::Table coreTable(form.Database1);
    double windowSeconds = 0;
    double coreSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        resetTables(form.Database1);
        timer.start();
        form.ImportButton->click();
        QCoreApplication::processEvents();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        windowSeconds += seconds;
        resetTables(form.Database1);
        timer.start();
        importMemberFile(form.Database1, coreTable, fileName, form.StartCounts);
        coreSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    qApp->removeEventFilter(&counter);
    state.counters["core_ms"] = coreSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = windowSeconds / coreSeconds;
    state.counters["paints"] = double(counter.paints) / double(state.iterations());
}
BENCHMARK(MemberImportInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
