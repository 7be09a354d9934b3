#include "app/main_window.h"

#include <QStringList>

#include "app/first_run_rules.h"
#include "app/ok_dialog.h"
#include "backup/backups.h"
#include "register/owner_table.h"
#include "register/store/table_names.h"
#include "window/dialogs.h"

namespace {

const QString kMissingCaption = QStringLiteral("Owner callsign missing in datase!");
const QStringList kMissingText{QStringLiteral("There is no owner callsign in the database."),
                               QStringLiteral("You should enter all requested informations"),
                               QStringLiteral("in the following message boxes.")};

// Asks until the answer is accepted; Cancel gives an empty answer, which is refused like any other.
QString askUntilAccepted(Dialogs& dialogs, const firstrun::Question& question) {
    for (;;) {
        const QString answer = dialogs.input(question.caption, question.prompt, QString()).value_or(QString());
        if (const std::optional<QString> stored = question.accept(answer)) return *stored;
    }
}

bool confirmed(Dialogs& dialogs, const firstrun::OwnerEntry& entry) {
    TOKDialog dialog;
    dialog.appendLines(firstrun::confirmationLines(entry));
    return dialogs.exec(dialog) == QDialog::Accepted;
}

}  // namespace

void TForm1::UpdateMyDetails() {
    pointAtOwnerRow(kCallsignRow);
    Table1.Open();
    const firstrun::OwnerEntry entry = InitialEntry();
    backup::beforeCommand(Database1, QStringLiteral("first-run-setup"), m_clock);
    for (const firstrun::OwnerRow& row : firstrun::ownerRows(entry)) owner::writeValue(Table1, row.name, row.value);
    Table1.setReadOnly(true);
}

// The setup has no way out but confirming: every box insists on an accepted answer and
// "Repeat Entry" starts the whole entry again.
firstrun::OwnerEntry TForm1::InitialEntry() {
    m_dialogs.message(kMissingCaption, kMissingText.join(u'\n'), QMessageBox::Warning);
    for (;;) {
        firstrun::OwnerEntry entry;
        OwnerCallsign.clear();
        OwnerDirectoryNo.clear();
        for (const firstrun::Question& question : firstrun::questions())
            entry.*question.answer = askUntilAccepted(m_dialogs, question);
        OwnerCallsign = entry.callsign;
        OwnerDirectoryNo = entry.directoryNo;
        if (confirmed(m_dialogs, entry)) return entry;
    }
}
