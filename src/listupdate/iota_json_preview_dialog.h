#pragma once

#include <QDialog>

struct IotaListPlan;
class QLabel;
class QPushButton;
class QTableWidget;

// The preview of the award programme's island list before it is written: one row for every
// record that would change, its reference and its status, group, name, DXCC numbers and box as
// "before → after"; for a complete list, under their own heading with their count, the records it
// does not name and what becomes of them; the counts of changed, unchanged and unknown references
// below, then "&Import" (accepts) and "&Cancel".
class TIotaJsonPreview : public QDialog {
    Q_OBJECT

public:
    TIotaJsonPreview(const IotaListPlan& plan, const QString& fileName, QWidget* parent = nullptr);

    QTableWidget* ChangesGrid = nullptr;
    QLabel* AbsentLabel = nullptr;  // hidden, as AbsentGrid is, when the list leaves nothing out
    QTableWidget* AbsentGrid = nullptr;
    QLabel* CountsLabel = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
