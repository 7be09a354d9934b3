#include "app/accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace {

// Controls without a caption of their own, by object name, and what a screen reader calls them.
struct UncaptionedControl {
    const char* objectName;
    const char* accessibleName;
};

const UncaptionedControl kUncaptionedControls[] = {
    {"GroupBox3", "Awards, Info, Help, Exit"},
    {"IotaID", "IOTA reference"},
    {"DBText1", "Name"},
    {"DBEdit1", "Value"},
    {"DBText2", "Award name"},
    {"AwardNumberDBComboBox", "Award number"},
    {"DateDBEdit", "Award issued"},
    {"JumpTo", "Jump to"},
    {"DBGrid1", "List"},
    {"GroupSummary", "Summary"},
    {"Panel1", "Program picture"},
    {"QSLPanel", "QSL card"},
    {"InternetPanel", "Update via Internet"},
    {"cbURL", "URL"},
    {"memoHTML", "Fetched text"},
    {"Progress", "Progress"},
};

}  // namespace

QString withoutAccessKeys(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            spoken += caption[i];
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == u'&') spoken += caption[++i];
    }
    return spoken;
}

void nameControlsAccessibly(QWidget& window) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty()) button->setAccessibleName(withoutAccessKeys(button->text()));
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
        if (!box->title().isEmpty()) box->setAccessibleName(withoutAccessKeys(box->title()));
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy()) label->buddy()->setAccessibleName(withoutAccessKeys(label->text()));
    for (const UncaptionedControl& control : kUncaptionedControls)
        if (auto* widget = window.findChild<QWidget*>(QLatin1String(control.objectName)))
            widget->setAccessibleName(QString::fromLatin1(control.accessibleName));
    // The typing field of an editable box is read under the box's name.
    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (box->lineEdit()) box->lineEdit()->setAccessibleName(box->accessibleName());
}
