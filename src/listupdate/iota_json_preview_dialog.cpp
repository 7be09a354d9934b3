#include "listupdate/iota_json_preview_dialog.h"

#include <QBoxLayout>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "app/spoken_value.h"
#include "listupdate/iota_json_update.h"

namespace {

// Unknown references named in the counts line; a wrong file would list hundreds.
constexpr qsizetype kUnknownNamed = 10;

QString beforeAfter(const QString& before, const QString& after) {
    return before == after ? before : before + QStringLiteral(" → ") + after;
}

QString countsText(const IotaListPlan& plan) {
    QString text = QStringLiteral("%1 changed, %2 unchanged, %3 unknown")
                       .arg(plan.changed())
                       .arg(plan.unchanged)
                       .arg(plan.unknown);
    if (!plan.unknownReferences.isEmpty()) {
        const QStringList named = plan.unknownReferences.mid(0, kUnknownNamed);
        text += QStringLiteral(" (not in the register: %1%2)")
                    .arg(named.join(QStringLiteral(", ")),
                         plan.unknownReferences.size() > kUnknownNamed ? QStringLiteral(" …") : QString());
    }
    return text;
}

QTableWidget* changesGrid(const IotaListPlan& plan, QWidget* parent) {
    auto* grid = new QTableWidget(int(plan.changes.size()), 3, parent);
    grid->setObjectName(QStringLiteral("ChangesGrid"));
    grid->setHorizontalHeaderLabels({QStringLiteral("Reference"), QStringLiteral("Status"), QStringLiteral("Name")});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < grid->rowCount(); ++row) {
        const IotaRecordChange& change = plan.changes[size_t(row)];
        const QString cells[] = {change.reference, beforeAfter(change.before.status, change.after.status),
                                 beforeAfter(change.before.island, change.after.island)};
        for (int column = 0; column < 3; ++column) grid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    grid->resizeColumnsToContents();
    return grid;
}

}  // namespace

TIotaJsonPreview::TIotaJsonPreview(const IotaListPlan& plan, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("IotaJsonPreview"));
    setWindowTitle(QStringLiteral("IOTA list ") + QDir::toNativeSeparators(fileName));
    auto* layout = new QVBoxLayout(this);
    ChangesGrid = changesGrid(plan, this);
    layout->addWidget(ChangesGrid);
    CountsLabel = new QLabel(countsText(plan), this);
    CountsLabel->setObjectName(QStringLiteral("CountsLabel"));
    speakValueWithContext(*CountsLabel, QStringLiteral("Counts"));
    CountsLabel->setWordWrap(true);
    layout->addWidget(CountsLabel);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    ImportButton = new QPushButton(QStringLiteral("&Import"), this);
    ImportButton->setObjectName(QStringLiteral("ImportButton"));
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    // Offered only when there is something to write; Enter then imports, as in every preview.
    ImportButton->setEnabled(plan.changed() > 0 || plan.replacesRarity);
    (ImportButton->isEnabled() ? ImportButton : CancelButton)->setDefault(true);
    buttons->addWidget(ImportButton);
    buttons->addWidget(CancelButton);
    connect(ImportButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(720, 480);
}
