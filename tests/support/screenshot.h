#pragma once

#include <QDir>
#include <QWidget>

// Saves a widget's picture when SKERRY_SCREENSHOT_DIR names a folder, for looking at.
inline void saveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("SKERRY_SCREENSHOT_DIR");
    if (!folder.isEmpty()) widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}
