// The handlers of the batch commands: each hands its command to the command object of its
// folder, which sees the window only as a CommandWindow.
#include "app/main_window.h"
#include "backup/commands.h"
#include "exchange/commands.h"
#include "listupdate/commands.h"
#include "listupdate/http_client.h"
#include "listupdate/update_panel.h"
#include "logimport/commands.h"
#include "register/cards/commands.h"

// The update panel fills `InternetPanel`; the window knows its controls by their names.
void TForm1::createBatchCommands() {
    m_exchange = std::make_unique<ExchangeCommands>(*this);
    m_listUpdates = std::make_unique<ListUpdateCommands>(*this, *InternetPanel);
    m_logImports = std::make_unique<LogImportCommands>(*this, *m_listUpdates);
    m_backups = std::make_unique<BackupCommands>(*this);
    m_cards = std::make_unique<QslCardCommands>(*this, *QSLPanel);
    UpdatePanel& panel = m_listUpdates->panel();
    cbURL = panel.cbURL;
    memoHTML = panel.memoHTML;
    btnGo = panel.btnGo;
    btnStop = panel.btnStop;
    ImportURL = panel.ImportURL;
    Abort = panel.Abort;
}

void TForm1::ImportButtonClick() {
    m_exchange->importMemberFile();
}
void TForm1::ExportButtonClick() {
    m_exchange->exportUpdateFile();
}
void TForm1::ImportUPFClick() {
    m_logImports->importUpfLog();
}
void TForm1::N7HQImport1Click() {
    m_logImports->importHqFile();
}
void TForm1::ImportADIFClick() {
    m_logImports->importAdifLog();
}
void TForm1::fromFile1Click() {
    m_listUpdates->updateFromFile();
}
void TForm1::fromIotaList1Click() {
    m_listUpdates->updateFromIotaList();
}
void TForm1::viaInternet1Click() {
    m_listUpdates->openUpdatePanel();
}
void TForm1::btnGoClick() {
    m_listUpdates->download();
}
void TForm1::btnStopClick() {
    m_listUpdates->stopDownload();
}
void TForm1::ImportURLClick() {
    m_listUpdates->updateFromDownload();
}
void TForm1::setHttpClient(std::unique_ptr<HttpClient> client) {
    m_listUpdates->setHttpClient(std::move(client));
}
void TForm1::N9Backups1Click() {
    m_backups->showBackups();
}
void TForm1::DBGrid1DblClick() {
    m_cards->showCard();
}
