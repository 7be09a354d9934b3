#pragma once

#include <QTextBrowser>

class Dialogs;

// The help viewer: a window of its own showing the help file, an HTML text, at a topic.
class HelpView : public QTextBrowser {
    Q_OBJECT

public:
    // Shows the help file at the topic (an anchor of the file) in the owner's help window,
    // opening that window when there is none. A missing file is reported by message box.
    static void showTopic(QWidget* owner, Dialogs& dialogs, const QString& fileName, const QString& topic);

private:
    explicit HelpView(QWidget* owner);
};
