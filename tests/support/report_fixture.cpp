#include "support/report_fixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "register/codes.h"
#include "register/iota_list.h"

QString ShownReport::labelText(const QString& name) const {
    const reports::ReportLabel* label = report.label(name);
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->text : QString();
}

CapturingPreview::CapturingPreview(const TForm1& form, std::vector<ShownReport>& shown, Look look)
    : m_form(form), m_shown(shown), m_look(std::move(look)) {}

void CapturingPreview::show(const reports::Report& report) {
    const TForm1& form = m_form;
    m_shown.push_back({report, form.Table1.TableName(), form.Table1.Filter(), form.Table1.Filtered(),
                       form.Table1.Active(), form.Table1.ReadOnly(), form.AfricaButton->isEnabled(),
                       form.RadioButton1->isEnabled(), !form.Progress->isHidden(),
                       form.GroupLabel->isHidden() ? QString() : form.GroupLabel->text(), form.QuickRep1.enabled,
                       form.QuickRep2.enabled});
    if (m_look) m_look(report);
}

void ReportTest::SetUp() {
    setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
    folder.execute(
        "UPDATE \"IOTA-AF\" SET Status = 'A', Call = '3B6A' WHERE IOTA = 'AF-001';"
        "UPDATE \"IOTA-AS\" SET Status = 'C', ABW = 'A' WHERE IOTA = 'AS-001';"
        "UPDATE \"IOTA-EU\" SET Status = 'W', ABW = 'A' WHERE IOTA = 'EU-001';"
        "UPDATE \"IOTA-EU\" SET Status = 'C', ABW = 'B', Call = 'G3C' WHERE IOTA = 'EU-005';"
        "UPDATE \"IOTA-EU\" SET Status = 'A', ABW = 'B', Comment = 'card in' WHERE IOTA = 'EU-007';"
        "UPDATE \"IOTA-EU\" SET ABW = 'B' WHERE IOTA = 'EU-115';"
        "UPDATE \"IOTA-EU\" SET Status = 'D' WHERE IOTA = 'EU-002';"
        "UPDATE \"IOTA-NA\" SET ABW = 'W' WHERE IOTA = 'NA-001';"
        "UPDATE \"IOTA-OC\" SET Status = 'A', ABW = 'A' WHERE IOTA = 'OC-001';"
        "UPDATE \"IOTA-OC\" SET Status = 'D' WHERE IOTA = 'OC-002';"
        "UPDATE \"IOTA-SA\" SET Status = 'W', ABW = 'W' WHERE IOTA = 'SA-001';");
}

void ReportTest::startReportingForm(CapturingPreview::Look look) {
    form = startForm();
    form->show();
    form->setReportPreview(std::make_unique<CapturingPreview>(*form, shown, std::move(look)));
}

std::unique_ptr<TestDataFolder> fullDataFolder() {
    auto full = std::make_unique<TestDataFolder>(readIotaTable(QLatin1String(kDebianIotaList)));
    for (const Continent& continent : continents())
        full->execute(
            QString("UPDATE \"%1\" SET Status = CASE WHEN Key % 3 = 0 THEN 'A' WHEN Key % 5 = 0 THEN 'C' "
                    "WHEN Key % 7 = 0 THEN 'W' ELSE Status END WHERE Status = '-';"
                    "UPDATE \"%1\" SET ABW = CASE Key % 4 WHEN 0 THEN 'A' WHEN 1 THEN 'B' WHEN 2 THEN 'W' END "
                    "WHERE Key % 4 < 3 AND Status <> 'U';")
                .arg(continent.tableName));
    full->setOwnerValue("Callsign", "DL1ABC");
    full->setOwnerValue("Directory No", "4711");
    return full;
}
