#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

// What one run of skerrydesk-cli gave: its exit code and what it wrote.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
    bool timedOut = false;  // killed at the time limit
    bool crashed = false;   // ended by a signal (a crash) rather than by exiting
};

// Runs skerrydesk-cli (SKERRY_CLI, defined by the test target) in a working folder, for two
// minutes at most unless a shorter time limit is given. Where the test has an application object, this process keeps
// serving its own events meanwhile, so that a test server in it can answer the CLI.
inline CliRun cli(const QString& workingFolder, const QStringList& arguments, int limitMs = 120000) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(SKERRY_CLI, arguments);
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning) loop.exec();
    } else {
        process.waitForFinished(limitMs);
    }
    const bool timedOut = process.state() != QProcess::NotRunning;
    if (timedOut) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), timedOut,
            !timedOut && process.exitStatus() == QProcess::CrashExit};
}
