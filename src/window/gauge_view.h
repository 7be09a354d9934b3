#pragma once

#include <QElapsedTimer>
#include <QString>

#include "base/progress.h"

class QLabel;
class QProgressBar;

// The progress gauge and its caption while a command runs. The command holds the event loop, so
// what the user is to see is painted at once as it changes, but at most once a frame: a
// synchronous paint costs more than the table work of many lines. What came last is painted
// when the event loop runs again.
class GaugeView : public BatchProgress {
public:
    // Both controls get a background of their own, so painting them paints nothing beneath.
    GaugeView(QProgressBar& gauge, QLabel& caption);

    void setCaption(const QString& caption) override;
    void setValue(int percent) override;
    void advance(int points) override;

private:
    void paintWhenDue();

    QProgressBar& m_gauge;
    QLabel& m_caption;
    QElapsedTimer m_sincePainted;
};
