#include "cluster/spots_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "cluster/spot_list_model.h"
#include "cluster/spot_selection_filter.h"
#include "cluster/spot_table_view.h"

namespace {

constexpr QSize kOpeningSize(1000, 560);

const QString kNodeKey = QStringLiteral("Spots/Node");
const QString kSizeKey = QStringLiteral("Spots/Size");
const QString kShowKey = QStringLiteral("Spots/Show");
const QString kAlertsKey = QStringLiteral("Spots/Alerts");

struct SelectionChoice {
    SpotSelection selection;
    const char* caption;
    const char* key;  // in the settings and, after "SpotShow_", the button's name
};

// Tab enters a group of radio buttons at its first: every spot, the choice until the user makes
// another.
const SelectionChoice kSelectionChoices[] = {
    {SpotSelection::Any, "&All", "all"},
    {SpotSelection::NeededWorked, "Needed and &worked", "neededWorked"},
    {SpotSelection::Needed, "Needed &only", "needed"},
};

}  // namespace

SpotsView::SpotsView(SpotsViewLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_links(std::move(links)),
      m_alertRule(m_links.clock),
      m_spots(new SpotListModel(this)),
      m_shown(new SpotSelectionFilter(this)) {
    setObjectName(QStringLiteral("SpotsView"));
    setWindowTitle(QStringLiteral("DX cluster spots"));
    m_shown->setSourceModel(m_spots);
    m_stateLine = new QLabel(QStringLiteral("Not connected: name the node as HOST:PORT and press Connect"), this);
    m_stateLine->setObjectName(QStringLiteral("SpotState"));
    m_stateLine->setWordWrap(true);
    m_stateLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notificationLine = new QLabel(this);
    m_notificationLine->setObjectName(QStringLiteral("SpotNotificationTrouble"));
    m_notificationLine->setWordWrap(true);
    m_notificationLine->hide();
    m_table = new SpotTableView(*m_shown, this);
    m_table->setObjectName(QStringLiteral("SpotTable"));
    m_table->setAccessibleName(QStringLiteral("Spots"));
    connect(m_table, &SpotTableView::recordWanted, this, [this](const QString& reference) {
        if (m_links.openRecord) m_links.openRecord(reference);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nodeRow());
    layout->addWidget(m_stateLine);
    layout->addWidget(m_notificationLine);
    layout->addLayout(choiceRow());
    layout->addWidget(m_table, 1);
    setTabOrder(m_alertsBox, m_table);

    m_links.notifier->setTroubleListener([this](const QString& trouble) { showNotificationTrouble(trouble); });
    restoreSize();
    updateButtons();
    m_nodeField->setFocus();
    refresh();
}

SpotsView::~SpotsView() {
    m_links.notifier->setTroubleListener({});
    keepSize();
}

QLayout* SpotsView::nodeRow() {
    m_nodeField = new QLineEdit(m_links.setting(kNodeKey).toString(), this);
    m_nodeField->setObjectName(QStringLiteral("SpotNode"));
    m_nodeField->setPlaceholderText(QStringLiteral("dxc.example.org:7300"));
    m_nodeField->setAccessibleName(QStringLiteral("Node"));
    m_nodeField->setAccessibleDescription(QStringLiteral("The DX cluster node as HOST:PORT"));
    auto* label = new QLabel(QStringLiteral("&Node:"), this);
    label->setBuddy(m_nodeField);
    auto* connectButton = new QPushButton(QStringLiteral("&Connect"), this);
    connectButton->setObjectName(QStringLiteral("SpotConnect"));
    auto* disconnectButton = new QPushButton(QStringLiteral("&Disconnect"), this);
    disconnectButton->setObjectName(QStringLiteral("SpotDisconnect"));
    m_connectButton = connectButton;
    m_disconnectButton = disconnectButton;
    connect(m_connectButton, &QAbstractButton::clicked, this, &SpotsView::connectToNode);
    connect(m_disconnectButton, &QAbstractButton::clicked, this, &SpotsView::disconnectFromNode);
    connect(m_nodeField, &QLineEdit::returnPressed, this, [this] {
        if (m_connectButton->isEnabled()) connectToNode();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_nodeField, 1);
    row->addWidget(m_connectButton);
    row->addWidget(m_disconnectButton);
    return row;
}

QLayout* SpotsView::choiceRow() {
    auto* box = new QGroupBox(QStringLiteral("Show"), this);
    auto* buttons = new QHBoxLayout(box);
    const QString shown = m_links.setting(kShowKey).toString();
    for (const SelectionChoice& choice : kSelectionChoices) {
        auto* button = new QRadioButton(QString::fromLatin1(choice.caption), box);
        button->setObjectName(QStringLiteral("SpotShow_") + QLatin1String(choice.key));
        // Every spot, until the saved choice comes and takes the check from it.
        button->setChecked(choice.selection == SpotSelection::Any || shown == QLatin1String(choice.key));
        connect(button, &QRadioButton::toggled, this, [this, choice](bool on) {
            if (!on) return;
            m_shown->setSelection(choice.selection);
            m_links.setSetting(kShowKey, QString::fromLatin1(choice.key));
        });
        if (button->isChecked()) m_shown->setSelection(choice.selection);
        buttons->addWidget(button);
    }
    m_alertsBox = new QCheckBox(QStringLiteral("Desktop ale&rts for needed islands"), this);
    m_alertsBox->setObjectName(QStringLiteral("SpotAlerts"));
    m_alertsBox->setChecked(m_links.setting(kAlertsKey).value<bool>() || !m_links.setting(kAlertsKey).isValid());
    m_alertRule.setAlertsOn(m_alertsBox->isChecked());
    connect(m_alertsBox, &QCheckBox::toggled, this, [this](bool on) {
        m_alertRule.setAlertsOn(on);
        m_links.setSetting(kAlertsKey, on);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(m_alertsBox);
    row->addStretch();
    return row;
}

void SpotsView::refresh() {
    m_matcher = SpotMatcher(m_links.readStates());
    m_spots->restate(m_matcher);
    if (m_client) m_client->setMatcher(m_matcher);
}

void SpotsView::closeEvent(QCloseEvent* event) {
    if (m_client && m_client->state() != NodeState::Disconnected) disconnectFromNode();
    keepSize();
    QWidget::closeEvent(event);
}

void SpotsView::connectToNode() {
    const QString typed = m_nodeField->text().trimmed();
    const std::optional<NodeAddress> node = parseNodeAddress(typed);
    if (!node)
        return showState(
            QStringLiteral("\"%1\" names no node: give it as HOST:PORT, such as dxc.example.org:7300").arg(typed));
    const QString callsign = m_links.ownerCallsign().trimmed();
    if (callsign.isEmpty())
        return showState(
            QStringLiteral("The owner's callsign is empty, and a node logs in by it: import the member file or "
                           "enter the callsign under My Details first"));
    m_links.setSetting(kNodeKey, node->text());
    m_client = std::make_unique<ClusterClient>(callsign, m_matcher, m_links.timings);
    connect(m_client.get(), &ClusterClient::stateChanged, this, [this](NodeState, const QString& text) {
        showState(text);
        updateButtons();
    });
    connect(m_client.get(), &ClusterClient::spotsArrived, this, &SpotsView::spotsArrived);
    m_client->connectToNode(*node);
}

void SpotsView::disconnectFromNode() {
    m_client->disconnectFromNode();
}

void SpotsView::showState(const QString& text) {
    m_stateLine->setText(text);
}

void SpotsView::showNotificationTrouble(const QString& trouble) {
    m_notificationLine->setText(QStringLiteral("Desktop notifications cannot be shown: %1").arg(trouble));
    m_notificationLine->setVisible(!trouble.isEmpty());
}

void SpotsView::spotsArrived(const std::vector<IslandSpot>& spots) {
    m_spots->add(spots);
    alertIslandSpots(m_alertRule, *m_links.notifier, spots);
}

// The node field and Connect while no connection is wanted, Disconnect while one is.
void SpotsView::updateButtons() {
    const bool idle = !m_client || m_client->state() == NodeState::Disconnected;
    m_disconnectButton->setEnabled(!idle);
    m_connectButton->setEnabled(idle);
    m_nodeField->setEnabled(idle);
}

void SpotsView::restoreSize() {
    QSize size = m_links.setting(kSizeKey).toSize();
    if (!size.isValid() || size.isEmpty()) size = kOpeningSize;
    if (const QScreen* shownOn = screen()) size = size.boundedTo(shownOn->availableGeometry().size());
    resize(size);
}

void SpotsView::keepSize() {
    m_links.setSetting(kSizeKey, size());
}
