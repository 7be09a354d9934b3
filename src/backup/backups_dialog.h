#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidget;

// One backup as the dialog lists it.
struct BackupRow {
    QString id;
    QString date;
    QString command;
    // What changed in the tables since, records per status.
    QString changesSince;
};

// The dialog "Backups": the backups newest first with their date, command and what changed since,
// and the buttons "&Restore" (accepts with the chosen backup) and "&Close".
class TBackupsDialog : public QDialog {
    Q_OBJECT

public:
    explicit TBackupsDialog(const std::vector<BackupRow>& rows, QWidget* parent = nullptr);

    // The backup of the chosen row, once "&Restore" was pressed.
    std::optional<QString> chosenId() const;

    QTableWidget* BackupList = nullptr;
    QPushButton* RestoreButton = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    std::vector<BackupRow> m_rows;
};
