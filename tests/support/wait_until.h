#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// Serves events until the condition holds; the limit only keeps a broken program from hanging the
// test run.
inline bool waitUntil(const std::function<bool()>& done, int limitMs = 20000) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < limitMs) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}
