#include "listupdate/update_panel.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFontDatabase>
#include <QHideEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>

#include "base/text_file.h"
#include "listupdate/http_client.h"
#include "listupdate/update_panel_rules.h"
#include "listupdate/url_history.h"

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* caption,
                    QStyle::StandardPixmap picture = QStyle::SP_CustomBase) {
    auto* push = new QPushButton(QString::fromLatin1(caption), parent);
    push->setObjectName(QLatin1String(name));
    if (picture != QStyle::SP_CustomBase) push->setIcon(parent->style()->standardIcon(picture));
    return push;
}

void setEnabledWhenSet(QWidget* control, std::optional<bool> enabled) {
    if (enabled) control->setEnabled(*enabled);
}

}  // namespace

UpdatePanel::UpdatePanel(QWidget* parent) : QWidget(parent), m_http(std::make_unique<QtHttpClient>()) {
    setObjectName(QStringLiteral("UpdatePanelControls"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    cbURL = new QComboBox(this);
    cbURL->setObjectName(QStringLiteral("cbURL"));
    cbURL->setEditable(true);
    // The list grows by "&Go!" only, not by Enter in the box.
    cbURL->setInsertPolicy(QComboBox::NoInsert);
    cbURL->setFont(fixed);
    cbURL->setEditText(QLatin1String(updatepanel::kUrlPrompt));
    btnGo = button(this, "btnGo", "&Go!", QStyle::SP_MediaPlay);
    btnStop = button(this, "btnStop", "&Stop!", QStyle::SP_BrowserStop);

    memoHTML = new QPlainTextEdit(this);
    memoHTML->setObjectName(QStringLiteral("memoHTML"));
    memoHTML->setFont(fixed);
    memoHTML->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Wrapping a fetched page's megabyte line would keep the window busy for a minute.
    memoHTML->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoHTML->setPlainText(updatepanel::initialMemoLines().join(u'\n'));

    ImportURL = button(this, "ImportURL", "&Import");
    Abort = button(this, "Abort", "&Abort");

    auto* layout = new QVBoxLayout(this);
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(cbURL, 1);
    addressRow->addWidget(btnGo);
    addressRow->addWidget(btnStop);
    layout->addLayout(addressRow);
    layout->addWidget(memoHTML, 1);
    auto* answerRow = new QHBoxLayout;
    answerRow->addStretch(1);
    answerRow->addWidget(ImportURL);
    answerRow->addWidget(Abort);
    layout->addLayout(answerRow);
}

UpdatePanel::~UpdatePanel() {
    showHourglass(false);
}

void UpdatePanel::showMoment(updatepanel::Moment moment) {
    const updatepanel::ButtonStates& states = updatepanel::buttonStates(moment);
    setEnabledWhenSet(btnGo, states.go);
    setEnabledWhenSet(btnStop, states.stop);
    setEnabledWhenSet(ImportURL, states.importUrl);
    setEnabledWhenSet(Abort, states.abort);
    showHourglass(states.hourglass);
}

QStringList UpdatePanel::urls() const {
    QStringList list;
    for (int i = 0; i < cbURL->count(); ++i) list << cbURL->itemText(i);
    return list;
}

void UpdatePanel::replaceUrls(const QStringList& urls) {
    const QString typed = cbURL->currentText();
    cbURL->clear();
    cbURL->addItems(urls);
    cbURL->setEditText(typed);
}

void UpdatePanel::addTypedUrl() {
    const QString typed = cbURL->currentText();
    QStringList list = urls();
    if (addToUrlHistory(list, typed)) cbURL->addItem(typed);
    cbURL->setEditText(typed);
}

QStringList UpdatePanel::memoLines() const {
    QStringList lines;
    for (QTextBlock line = memoHTML->document()->begin(); line.isValid(); line = line.next()) lines << line.text();
    return lines;
}

void UpdatePanel::showText(const QString& text) {
    memoHTML->setPlainText(splitLines(text).join(u'\n'));
}

void UpdatePanel::setHttpClient(std::unique_ptr<HttpClient> client) {
    m_http = std::move(client);
}

// Closing the panel, or the window, ends a download that would fill a memo nobody sees. A
// minimised window hides the panel only for the moment (a spontaneous hide).
void UpdatePanel::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        m_http->abort();
        showHourglass(false);
    }
    QWidget::hideEvent(event);
}

void UpdatePanel::showHourglass(bool shown) {
    if (shown == m_hourglass) return;
    m_hourglass = shown;
    if (shown)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
