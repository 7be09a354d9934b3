// Measures the real main window (offscreen) as the user waits for it. The member file import (the
// file dialog answered at once) beside the core import of the same file, which is the work of
// `skerrydesk-cli import-member` without its process start (its backup first), with the paint
// events counted;
// targets: within 2 times the core and under 100 ms for the full-size member file. A continent
// view switch and a display-mode change, each with the list painted, beside a bare QTableView
// painting the same rows; target: within 1.5 times the bare view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <functional>

#include "app/main_window.h"
#include "app/shell.h"
#include "backup/backups.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/text_file.h"
#include "bench_data.h"
#include "exchange/member_import.h"
#include "member_workload.h"
#include "register/codes.h"
#include "register/start_state.h"
#include "register/store/table.h"
#include "window/dialogs.h"

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

// The window on the full-size folder; the owner callsign of the member file spares it its first-run setup.
class BenchWindow {
public:
    BenchWindow()
        : m_dialogs(m_fileName),
          m_form(Paths{QFileInfo(BenchData::instance().dataFolder()).path(), QCoreApplication::applicationDirPath()},
                 m_dialogs, m_clock, m_shell) {
        m_form.show();
        QCoreApplication::processEvents();
    }
    TForm1& form() { return m_form; }
    const QString& fileName() const { return m_fileName; }

private:
    static QString memberFile() {
        const QString fileName = QDir(QFileInfo(BenchData::instance().dataFolder()).path()).filePath("bench.mbr");
        writeTextFile(fileName, memberWorkload().lines);
        store::Database db(BenchData::instance().dataFolder());
        store::Table table(db);
        importMemberFile(db, table, fileName, readStartState(table).counts);
        return fileName;
    }

    QString m_fileName = memberFile();
    FileDialogs m_dialogs;
    SystemClock m_clock;
    NoShell m_shell;
    TForm1 m_form;
};

void MemberImportInTheWindow(benchmark::State& state) {
    BenchWindow window;
    TForm1& form = window.form();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    store::Table coreTable(form.Database1);
    double windowSeconds = 0;
    double coreSeconds = 0;
    QElapsedTimer timer;
    // Each run starts from the same tables and an empty backup folder: the backups of earlier runs,
    // all of the last days and so all kept, would make every next backup list more of them.
    const auto startAgain = [&form] {
        resetTables(form.Database1);
        QDir(backup::backupFolder(form.Database1.path())).removeRecursively();
    };
    for (auto _ : state) {
        startAgain();
        timer.start();
        form.ImportButton->click();
        QCoreApplication::processEvents();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        windowSeconds += seconds;
        startAgain();
        timer.start();
        backup::beforeCommand(form.Database1, QStringLiteral("import-member"));
        importMemberFile(form.Database1, coreTable, window.fileName(), form.StartCounts);
        coreSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    qApp->removeEventFilter(&counter);
    state.counters["core_ms"] = coreSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = windowSeconds / coreSeconds;
    state.counters["paints"] = double(counter.paints) / double(state.iterations());
}
BENCHMARK(MemberImportInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// The rows a view shows, read once for the bare view: the list's columns of a table under a filter.
QList<QStringList> viewRows(store::Database& db, const QString& tableName, const QString& filter) {
    store::Table table(db);
    table.setTableName(tableName);
    table.setFilter(filter);
    table.setFiltered(true);
    table.Open();
    QList<QStringList> rows;
    const QStringList columns{"IOTA", "Prefix", "Island", "Call", "Status", "Comment"};
    for (int row = 0; row < table.RecordCount(); ++row) {
        QStringList values;
        for (const QString& column : columns) values << table.valueAt(row, table.fieldIndex(column));
        rows << values;
    }
    return rows;
}

// A bare QTableView shown beside the window, filled anew and painted as the baseline.
class BareView {
public:
    BareView() {
        m_view.setModel(&m_model);
        m_view.resize(790, 300);
        m_view.show();
    }
    void show(const QList<QStringList>& rows, bool sizeColumns) {
        m_model.clear();
        m_model.setHorizontalHeaderLabels({"IOTA", "Prefix", "Island", "Call", "Status", "Comment"});
        for (const QStringList& row : rows) {
            QList<QStandardItem*> items;
            for (const QString& value : row) items << new QStandardItem(value);
            m_model.appendRow(items);
        }
        if (sizeColumns) m_view.resizeColumnsToContents();
        benchmark::DoNotOptimize(m_view.grab());
    }

private:
    QStandardItemModel m_model;
    QTableView m_view;
};

// Times one step of the window (a press, then the list painted) against the bare view painting
// the rows the step shows; the window's time is the benchmark's, the bare view's and the ratio
// its counters. Each side then repaints what it left dirty, as the event loop would, within its
// own time: left pending, one side's repaint would be done, and timed, in the other's next step.
// `step_ratio` compares the two without that repaint: the press or the filling, and the grab.
void compareWithBareView(benchmark::State& state, TForm1& form, const std::function<void(int)>& press,
                         const std::function<void(int)>& bare) {
    double windowSeconds = 0;
    double windowStepSeconds = 0;
    double bareSeconds = 0;
    double bareStepSeconds = 0;
    QElapsedTimer timer;
    int step = 0;
    for (auto _ : state) {
        timer.start();
        press(step);
        benchmark::DoNotOptimize(form.DBGrid1->grab());
        windowStepSeconds += double(timer.nsecsElapsed()) / 1e9;
        QCoreApplication::processEvents();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        windowSeconds += seconds;
        timer.start();
        bare(step);
        bareStepSeconds += double(timer.nsecsElapsed()) / 1e9;
        QCoreApplication::processEvents();
        bareSeconds += double(timer.nsecsElapsed()) / 1e9;
        ++step;
    }
    state.counters["bare_ms"] = bareSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = windowSeconds / bareSeconds;
    state.counters["step_ratio"] = windowStepSeconds / bareStepSeconds;
}

// A continent view button pressed, one continent after the other.
void ContinentViewSwitchInTheWindow(benchmark::State& state) {
    BenchWindow window;
    TForm1& form = window.form();
    const std::array<QPushButton*, 7> buttons{form.AfricaButton,      form.AntarcticaButton,   form.AsiaButton,
                                              form.EuropeButton,      form.NorthamericaButton, form.OceaniaButton,
                                              form.SouthamericaButton};
    std::vector<QList<QStringList>> rows;
    for (const Continent& continent : continents())
        rows.push_back(viewRows(form.Database1, continent.tableName, "Status <> 'U'"));
    BareView bare;
    compareWithBareView(
        state, form, [&](int step) { buttons[size_t(step) % buttons.size()]->click(); },
        [&](int step) { bare.show(rows[size_t(step) % rows.size()], true); });
}
BENCHMARK(ContinentViewSwitchInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// On the Europe view, the display mode "all" and "A/C/W" in turn.
void DisplayModeChangeInTheWindow(benchmark::State& state) {
    BenchWindow window;
    TForm1& form = window.form();
    form.EuropeButton->click();
    const std::array<QRadioButton*, 2> modes{form.RadioButton8, form.RadioButton1};
    const std::array<QList<QStringList>, 2> rows{
        viewRows(form.Database1, "IOTA-EU", "Status = 'C' or Status = 'A' or Status = 'W'"),
        viewRows(form.Database1, "IOTA-EU", "Status <> 'U'")};
    BareView bare;
    compareWithBareView(
        state, form, [&](int step) { modes[size_t(step) % 2]->click(); },
        [&](int step) { bare.show(rows[size_t(step) % 2], false); });
}
BENCHMARK(DisplayModeChangeInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
