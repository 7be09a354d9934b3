#pragma once

#include <QDialog>

struct IotaListPlan;
class QLabel;
class QPushButton;
class QTableWidget;

// The preview of the award programme's island list before it is written: one row for every
// record that would change, its reference and status and name as "before → after", the counts
// of changed, unchanged and unknown references below, then "&Import" (accepts) and "&Cancel".
class TIotaJsonPreview : public QDialog {
    Q_OBJECT

public:
    TIotaJsonPreview(const IotaListPlan& plan, const QString& fileName, QWidget* parent = nullptr);

    QTableWidget* ChangesGrid = nullptr;
    QLabel* CountsLabel = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
