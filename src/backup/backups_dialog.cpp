#include "backup/backups_dialog.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* pushButton = new QPushButton(QString::fromLatin1(caption), parent);
    pushButton->setObjectName(QLatin1String(name));
    return pushButton;
}

void fill(QTableWidget& list, const std::vector<BackupRow>& rows) {
    list.setColumnCount(3);
    list.setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Command"), QStringLiteral("Changed since")});
    list.setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const BackupRow& row = rows[size_t(i)];
        const QString cells[] = {row.date, row.command, row.changesSince};
        for (int column = 0; column < 3; ++column) list.setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    list.horizontalHeader()->setStretchLastSection(true);
    list.resizeColumnsToContents();
}

}  // namespace

TBackupsDialog::TBackupsDialog(const std::vector<BackupRow>& rows, QWidget* parent) : QDialog(parent), m_rows(rows) {
    setObjectName(QStringLiteral("BackupsDialog"));
    setWindowTitle(QStringLiteral("Backups"));
    auto* layout = new QVBoxLayout(this);
    BackupList = new QTableWidget(this);
    BackupList->setObjectName(QStringLiteral("BackupList"));
    BackupList->setSelectionBehavior(QAbstractItemView::SelectRows);
    BackupList->setSelectionMode(QAbstractItemView::SingleSelection);
    BackupList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BackupList->verticalHeader()->hide();
    fill(*BackupList, m_rows);
    layout->addWidget(BackupList);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    RestoreButton = button("RestoreButton", "&Restore", this);
    CloseButton = button("CloseButton", "&Close", this);
    buttons->addWidget(RestoreButton);
    buttons->addWidget(CloseButton);
    connect(RestoreButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BackupList, &QTableWidget::currentCellChanged, this,
            [this](int row) { RestoreButton->setEnabled(row >= 0); });
    RestoreButton->setEnabled(false);
    if (!m_rows.empty()) BackupList->setCurrentCell(0, 0);
    resize(kWidth, kHeight);
}

std::optional<QString> TBackupsDialog::chosenId() const {
    const int row = BackupList->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= int(m_rows.size())) return std::nullopt;
    return m_rows[size_t(row)].id;
}
