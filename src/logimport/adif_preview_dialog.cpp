#include "logimport/adif_preview_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>

#include "window/spoken_value.h"

namespace {

const QString kSourcesKey = QStringLiteral("ADIF import/confirmed by");
const QStringList kColumns{QStringLiteral("Reference"), QStringLiteral("Island"), QStringLiteral("Status"),
                           QStringLiteral("Call")};

QSettings settings() {
    return QSettings(QStringLiteral("Skerrydesk"), QStringLiteral("Skerrydesk"));
}

ConfirmationSources rememberedSources() {
    const QVariant names = settings().value(kSourcesKey);
    if (!names.isValid()) return defaultConfirmationSources();
    return confirmationSourcesNamed(names.toString()).value_or(defaultConfirmationSources());
}

QString skippedText(const AdifLog& log) {
    return (QStringList{QStringLiteral("%1 of %2 QSOs skipped").arg(log.skipped).arg(log.qsos)} + skippedQsoLines(log))
        .join(u'\n');
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

AdifPreviewDialog::AdifPreviewDialog(const QString& fileName, const AdifLog& log, const IslandRecordStates& records,
                                     QWidget* parent)
    : QDialog(parent), m_log(log), m_records(records) {
    setObjectName(QStringLiteral("AdifPreview"));
    setWindowTitle(QStringLiteral("Import ADIF"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Changes the log %1 would make:").arg(QDir::toNativeSeparators(fileName)), this));
    if (const QString origin = logOriginText(log.origin); !origin.isEmpty()) {
        OriginLabel = new QLabel(origin, this);
        OriginLabel->setObjectName(QStringLiteral("OriginLabel"));
        layout->addWidget(OriginLabel);
    }

    auto* sourcesBox = new QGroupBox(QStringLiteral("Confirmed by"), this);
    createSourceBoxes(sourcesBox);
    layout->addWidget(sourcesBox);

    ChangeTable = new QTableWidget(0, int(kColumns.size()), this);
    ChangeTable->setObjectName(QStringLiteral("ChangeTable"));
    ChangeTable->setHorizontalHeaderLabels(kColumns);
    ChangeTable->verticalHeader()->hide();
    ChangeTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(ChangeTable, 3);

    CountsLabel = new QLabel(this);
    CountsLabel->setObjectName(QStringLiteral("CountsLabel"));
    speakValueWithContext(*CountsLabel, QStringLiteral("Counts"));
    layout->addWidget(CountsLabel);

    SkippedMemo = new QPlainTextEdit(skippedText(log), this);
    SkippedMemo->setObjectName(QStringLiteral("SkippedMemo"));
    SkippedMemo->setReadOnly(true);
    layout->addWidget(SkippedMemo, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ImportButton = new QPushButton(QStringLiteral("&Import"), this);
    ImportButton->setObjectName(QStringLiteral("AdifImportButton"));
    ImportButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("AdifCancelButton"));
    connect(ImportButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ImportButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    resize(640, 520);
    replan();
}

void AdifPreviewDialog::createSourceBoxes(QWidget* box) {
    auto* row = new QHBoxLayout(box);
    const ConfirmationSources remembered = rememberedSources();
    for (size_t i = 0; i < kConfirmationSourceCount; ++i) {
        const ConfirmationSource& source = confirmationSources()[i];
        QCheckBox* check = SourceBoxes[i] = new QCheckBox(QString::fromLatin1(source.caption), box);
        check->setObjectName(QStringLiteral("%1CheckBox").arg(QLatin1String(source.name)));
        check->setChecked(remembered[i]);
        connect(check, &QCheckBox::toggled, this, [this] {
            settings().setValue(kSourcesKey, confirmationSourceNames(sources()));
            replan();
        });
        row->addWidget(check);
    }
    row->addStretch();
}

ConfirmationSources AdifPreviewDialog::sources() const {
    ConfirmationSources ticked;
    for (size_t i = 0; i < kConfirmationSourceCount; ++i) ticked[i] = SourceBoxes[i]->isChecked();
    return ticked;
}

void AdifPreviewDialog::replan() {
    m_plan = planAdifImport(m_log, m_records, sources());
    showPlan();
}

void AdifPreviewDialog::showPlan() {
    ChangeTable->setRowCount(int(m_plan.changes.size()));
    for (int row = 0; row < ChangeTable->rowCount(); ++row) {
        const PlannedChange& change = m_plan.changes[size_t(row)];
        const QString status = QStringLiteral("%1 \u2192 %2").arg(change.before, change.after);
        const QString texts[] = {change.reference, change.island, status, change.call};
        for (int column = 0; column < int(std::size(texts)); ++column)
            ChangeTable->setItem(row, column, cell(texts[column]));
    }
    const QString perStatus = changesPerStatus(m_plan);
    CountsLabel->setText(planCounts(m_plan) +
                         (perStatus.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(perStatus)));
}
