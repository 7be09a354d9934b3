// Measures the backup before a batch command on the full-size data folder (the online backup
// API into a temporary file, synced and renamed, then the pruning) beside a raw copy of the
// database file made as durable the same way: into a temporary file, synced, renamed and its
// folder synced. Target: under 20 ms.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "backup/backups.h"
#include "bench_data.h"
#include "register/store/database.h"

namespace {

void removeBackups(const QString& dataFolder) {
    QDir(backup::backupFolder(dataFolder)).removeRecursively();
}

void syncPath(const QString& path, int flags) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags);
    ::fsync(descriptor);
    ::close(descriptor);
}

// The raw copy of the file, as the bytes are, synced and named as the backup is.
void rawCopy(const QString& from, const QString& to) {
    const QString partial = to + QStringLiteral(".part");
    std::filesystem::copy_file(from.toStdString(), partial.toStdString(),
                               std::filesystem::copy_options::overwrite_existing);
    syncPath(partial, O_WRONLY);
    std::filesystem::rename(partial.toStdString(), to.toStdString());
    syncPath(QFileInfo(to).absolutePath(), O_RDONLY | O_DIRECTORY);
}

void BackupBeforeCommandFullSize(benchmark::State& state) {
    const QString dataFolder = BenchData::instance().dataFolder();
    store::Database db(dataFolder);
    const QString copy = QDir(dataFolder).filePath(QStringLiteral("../raw-copy.db"));
    double backupSeconds = 0;
    double copySeconds = 0;
    qint64 bytes = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        removeBackups(dataFolder);
        timer.start();
        bytes = backup::beforeCommand(db, QStringLiteral("import-member")).size;
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        backupSeconds += seconds;
        timer.start();
        rawCopy(db.fileName(), copy);
        copySeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    removeBackups(dataFolder);
    QFile::remove(copy);
    state.counters["bytes"] = double(bytes);
    state.counters["raw_copy_ms"] = copySeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = backupSeconds / copySeconds;
}
BENCHMARK(BackupBeforeCommandFullSize)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
