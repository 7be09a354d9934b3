#pragma once

#include <QDialog>
#include <array>

#include "logimport/adif_import.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The preview of an ADIF import, "Import ADIF": the origin of a log that LoTW or eQSL.cc wrote,
// the sources counted as confirming (check boxes,
// remembered in the settings; each change plans the import anew), a table of every record that
// would change (reference, island, status before and after, call), the counts, and the QSOs
// skipped grouped by reason, the reasons to act on first. "&Import" accepts the plan shown, "&Cancel" and closing
// reject it.
class AdifPreviewDialog : public QDialog {
    Q_OBJECT

public:
    AdifPreviewDialog(const QString& fileName, const AdifLog& log, const IslandRecordStates& records,
                      QWidget* parent = nullptr);

    ConfirmationSources sources() const;
    // The plan for the sources now ticked.
    const AdifPlan& plan() const { return m_plan; }

    QLabel* OriginLabel = nullptr;  // only for a service's log
    std::array<QCheckBox*, kConfirmationSourceCount> SourceBoxes{};
    QTableWidget* ChangeTable = nullptr;
    QLabel* CountsLabel = nullptr;
    QPlainTextEdit* SkippedMemo = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void createSourceBoxes(QWidget* box);
    void replan();
    void showPlan();

    const AdifLog& m_log;
    const IslandRecordStates& m_records;
    AdifPlan m_plan;
};
