#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "reports/render/report.h"
#include "reports/report_preview_view.h"
#include "support/gui_fixture.h"

// A report as the preview was given it, with what the window and its table handle held while
// the preview was open.
struct ShownReport {
    reports::Report report;
    QString tableName;
    QString filter;
    bool filtered;
    bool active;
    bool readOnly;
    bool viewButtonsEnabled;
    bool radioButtonsEnabled;
    bool progressShown;
    QString groupLabel;  // empty while hidden
    bool islandListEnabled;
    bool summaryEnabled;

    // The text of a label of the report; fails when there is none.
    QString labelText(const QString& name) const;
};

// A preview that keeps every report it is given instead of showing it, and hands it on to an
// optional look (a PDF writer, say).
class CapturingPreview : public reports::ReportPreview {
public:
    using Look = std::function<void(const reports::Report&)>;
    CapturingPreview(const TForm1& form, std::vector<ShownReport>& shown, Look look = {});
    void show(const reports::Report& report) override;

private:
    const TForm1& m_form;
    std::vector<ShownReport>& m_shown;
    Look m_look;
};

// A window on the sample data folder with statuses and groups set, whose reports are kept:
//   AF-001 A; AS-001 C Arctic; EU-001 W Arctic; EU-005 C and EU-007 A and EU-115 - British Isles;
//   EU-002 D; NA-001 - West Indies; OC-001 A Arctic (in a table not of the group); OC-002 D;
//   SA-001 W West Indies. Every other listed island is needed.
class ReportTest : public GuiTest {
protected:
    void SetUp() override;
    // Starts the window on a prepared folder and puts the capturing preview in.
    void startReportingForm(CapturingPreview::Look look = {});

    std::unique_ptr<TForm1> form;
    std::vector<ShownReport> shown;
};

// Every island of Debian's list, as a new data folder holds them, with a spread of statuses and
// groups and the owner DL1ABC: what a user's folder looks like, for looking at.
std::unique_ptr<TestDataFolder> fullDataFolder();
