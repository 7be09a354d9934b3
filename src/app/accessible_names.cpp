#include "app/accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <algorithm>

#include "window/spoken_value.h"

namespace {

// A control by its object name, and words a screen reader says for it.
struct SpokenWords {
    const char* objectName;
    const char* words;
};

// Controls without a caption of their own, and what a screen reader calls them.
const SpokenWords kUncaptionedControls[] = {
    {"GroupBox3", "Awards, Info, Help, Exit"},
    {"IotaID", "IOTA reference"},
    {"IotaDBCtrlGrid", "Island record"},
    {"MyDetailsDBCtrlGrid", "Owner data"},
    {"ClaimAwardDBCtrlGrid", "Award claim"},
    {"DBEdit1", "Value"},
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

// Labels that show a value, and what the value is.
const SpokenWords kValueLabels[] = {
    {"DBText1", "Name"},
    {"DBText2", "Award"},
    {"GroupLabel", "Status"},
};

bool labelled(const QWidget& window, const QWidget* control) {
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    return std::any_of(labels.cbegin(), labels.cend(),
                       [control](const QLabel* label) { return label->buddy() == control; });
}

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
    for (const SpokenWords& control : kUncaptionedControls)
        if (auto* widget = window.findChild<QWidget*>(QLatin1String(control.objectName)))
            widget->setAccessibleName(QString::fromLatin1(control.words));
    for (const SpokenWords& value : kValueLabels)
        if (auto* label = window.findChild<QLabel*>(QLatin1String(value.objectName)))
            speakValueWithContext(*label, QString::fromLatin1(value.words));
    for (QComboBox* box : window.findChildren<QComboBox*>()) {
        // The typing field of an editable box is read under the box's name.
        if (box->lineEdit()) box->lineEdit()->setAccessibleName(box->accessibleName());
        // On Linux a box is read by the item it shows, and what it is by the label beside it: a
        // box without one says what it is in its description.
        if (!labelled(window, box) && box->accessibleDescription().isEmpty())
            box->setAccessibleDescription(box->accessibleName());
    }
}
