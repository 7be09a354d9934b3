#include "listupdate/iota_json_preview_dialog.h"

#include <QBoxLayout>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "listupdate/iota_json_update.h"
#include "register/group_facts.h"
#include "window/spoken_value.h"

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

QStringList changeCells(const IotaRecordChange& change) {
    return {change.reference,
            beforeAfter(change.before.status, change.after.status),
            beforeAfter(change.groupBefore, change.groupAfter),
            beforeAfter(change.before.island, change.after.island),
            beforeAfter(change.factsBefore.dxcc, change.factsAfter.dxcc),
            beforeAfter(boxText(change.factsBefore.box), boxText(change.factsAfter.box))};
}

QStringList absentCells(const IotaRecordChange& change) {
    return {change.reference, beforeAfter(change.before.status, change.after.status),
            beforeAfter(change.before.island, change.after.island), absenceNote(change)};
}

// A read-only grid of one row per record, its cells made by the given function.
QTableWidget* recordGrid(const QString& name, const QStringList& headers, const std::vector<IotaRecordChange>& records,
                         QStringList (*cells)(const IotaRecordChange&), QWidget* parent) {
    auto* grid = new QTableWidget(int(records.size()), int(headers.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QStringList texts = cells(records[size_t(row)]);
        for (int column = 0; column < texts.size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(texts[column]));
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
    ChangesGrid = recordGrid(QStringLiteral("ChangesGrid"),
                             {QStringLiteral("Reference"), QStringLiteral("Status"), QStringLiteral("Group"),
                              QStringLiteral("Name"), QStringLiteral("DXCC"), QStringLiteral("Box (W E S N)")},
                             plan.changes, changeCells, this);
    layout->addWidget(ChangesGrid, 3);
    AbsentLabel = new QLabel(QStringLiteral("Not in the programme's list: %1").arg(plan.absent.size()), this);
    AbsentLabel->setObjectName(QStringLiteral("AbsentLabel"));
    layout->addWidget(AbsentLabel);
    AbsentGrid = recordGrid(QStringLiteral("AbsentGrid"),
                            {QStringLiteral("Reference"), QStringLiteral("Status"), QStringLiteral("Name"),
                             QStringLiteral("What becomes of it")},
                            plan.absent, absentCells, this);
    layout->addWidget(AbsentGrid, 1);
    AbsentLabel->setVisible(!plan.absent.empty());
    AbsentGrid->setVisible(!plan.absent.empty());
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
    resize(900, 560);
}
