#pragma once

#include <QString>

// How far a batch command has come, as the user sees it: the caption of its phase, and the gauge
// (0 to 100) set to a percentage or moved on by some points. The window's one gauge shows it;
// the CLI shows nothing.
class BatchProgress {
public:
    virtual ~BatchProgress() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setValue(int percent) = 0;
    virtual void advance(int points) = 0;

    // The progress nobody watches.
    static BatchProgress& none();
};
