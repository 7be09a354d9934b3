#include "app/hyperlink.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <array>
#include <optional>
#include <utility>

#include "app/shell.h"

namespace {

// A new link's properties, set in this order at creation.
std::array<std::pair<const char*, QVariant>, 8> creationProperties() {
    return {{
        {"Width", 55},
        {"Height", 14},
        {"NotPressedColor", QColor(0, 0, 255)},
        {"PressedColor", QColor(255, 0, 0)},
        {"OverColor", QColor(0, 128, 0)},
        {"Color", QColor(192, 192, 192)},
        {"FontColor", QColor(0, 0, 255)},
        {"TabStop", true},
    }};
}

// The frame of each border style, in the order of THyperLink::Border.
struct FrameLook {
    int style;
    int lineWidth;
};
constexpr std::array<FrameLook, 3> kFrameLooks{{
    {QFrame::NoFrame, 0},
    {QFrame::Box | QFrame::Plain, 1},
    {QFrame::WinPanel | QFrame::Sunken, 2},
}};

// Auto-size adds this many system border widths (one pixel) to the text, without and with a border.
constexpr int kMarginWithoutBorder = 1;
constexpr int kMarginWithBorder = 4;

// The font in which a slanted last letter needs no extra room.
const QString kUnslantedItalicFont = QStringLiteral("MS Sans Serif");

void setColorRole(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

// The caption's colour in each state.
enum class Look { AtRest, Over, Pressed };

// What a change does to the pressed and over flags (nothing where empty), and the colour it shows.
struct StateChange {
    std::optional<bool> pressed;
    std::optional<bool> over;
    Look look;
};

}  // namespace

// What a screen reader is told of a link: a link, named by its caption, described by its address,
// opened by its press action as by Enter.
class HyperLinkAccessible : public QAccessibleWidget {
public:
    explicit HyperLinkAccessible(THyperLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return link()->caption();
        if (kind == QAccessible::Description) return link()->href();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == pressAction())
            link()->release(Qt::LeftButton, QPoint(1, 1));
        else
            QAccessibleWidget::doAction(action);
    }

private:
    THyperLink* link() const { return static_cast<THyperLink*>(widget()); }
};

namespace {

QAccessibleInterface* hyperLinkInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(THyperLink::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
    return new HyperLinkAccessible(static_cast<THyperLink*>(object));
}

}  // namespace

THyperLink::THyperLink(Shell& shell, QWidget* parent) : QFrame(parent), m_shell(shell) {
    static const bool accessibleAsLink = (QAccessible::installFactory(hyperLinkInterface), true);
    Q_UNUSED(accessibleAsLink);
    setAutoFillBackground(true);
    setMouseTracking(true);
    for (const auto& [name, value] : creationProperties()) setProperty(name, value);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    autoSize();
}

void THyperLink::setHeight(int height) {
    resize(width(), height);
}

void THyperLink::setWidth(int width) {
    resize(width, height());
}

void THyperLink::setBorderStyle(Border border) {
    m_borderStyle = border;
    const FrameLook& look = kFrameLooks[std::size_t(border)];
    setFrameStyle(look.style);
    setLineWidth(look.lineWidth);
    autoSize();
}

void THyperLink::setCaption(const QString& caption) {
    m_caption = caption;
    autoSize();
    update();
}

QColor THyperLink::color() const {
    return palette().color(QPalette::Window);
}

void THyperLink::setColor(const QColor& color) {
    m_parentColor = false;
    setColorRole(*this, QPalette::Window, color);
}

QColor THyperLink::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void THyperLink::setFontColor(const QColor& color) {
    if (!m_pressed && !m_over) m_notPressedColor = color;
    setColorRole(*this, QPalette::WindowText, color);
}

void THyperLink::setNotPressedColor(const QColor& color) {
    m_notPressedColor = color;
    if (!m_pressed && !m_over) setFontColor(color);
}

void THyperLink::setOverColor(const QColor& color) {
    m_overColor = color;
    if (m_over && !m_pressed) setFontColor(color);
}

void THyperLink::setParentColor(bool on) {
    m_parentColor = on;
    if (on && parentWidget()) setColorRole(*this, QPalette::Window, parentWidget()->palette().color(QPalette::Window));
}

bool THyperLink::parentFont() const {
    return !testAttribute(Qt::WA_SetFont);
}

void THyperLink::setParentFont(bool on) {
    if (on) {
        setFont(QFont());
        return;
    }
    QFont own = font();
    own.setResolveMask(QFont::AllPropertiesResolved);
    setFont(own);
}

bool THyperLink::showHint() const {
    if (!m_parentShowHint) return m_showHint;
    const QVariant parentSetting = parentWidget() ? parentWidget()->property("ShowHint") : QVariant();
    return parentSetting.isValid() ? parentSetting.toBool() : true;
}

void THyperLink::setShowHint(bool on) {
    m_showHint = on;
    m_parentShowHint = false;
}

QMenu* THyperLink::popupMenu() const {
    return m_popupMenu;
}

void THyperLink::setPopupMenu(QMenu* menu) {
    m_popupMenu = menu;
}

QStatusBar* THyperLink::statusBar() const {
    return m_statusBar;
}

void THyperLink::setStatusBar(QStatusBar* statusBar) {
    m_statusBar = statusBar;
}

void THyperLink::setTabStop(bool on) {
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void THyperLink::apply(Change change) {
    static constexpr std::array<StateChange, 8> kChanges{{
        /* Press    */ {true, false, Look::Pressed},
        /* Hover    */ {false, true, Look::Over},
        /* DragIn   */ {true, {}, Look::Pressed},
        /* DragOut  */ {false, {}, Look::AtRest},
        /* Leave    */ {{}, false, Look::AtRest},
        /* FocusIn  */ {{}, true, Look::Over},
        /* FocusOut */ {{}, {}, Look::AtRest},
        /* Release  */ {false, {}, Look::AtRest},
    }};
    const StateChange& row = kChanges[std::size_t(change)];
    if (row.pressed) m_pressed = *row.pressed;
    if (row.over) m_over = *row.over;
    Look look = row.look;
    // A focused link is drawn as if the pointer were over it whenever it is not pressed.
    if (hasFocus() && !m_pressed) {
        m_over = true;
        look = Look::Over;
    }
    const std::array<QColor, 3> colours{m_notPressedColor, m_overColor, m_pressedColor};
    setFontColor(colours[std::size_t(look)]);
    update();
}

bool THyperLink::contains(QPoint point) const {
    return point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height();
}

void THyperLink::autoSize() {
    // An empty caption has nothing to fit; the link keeps the size it has.
    if (m_caption.isEmpty()) return;
    const QFontMetrics metrics(font());
    // The slanted last letter of an italic caption needs the room of a comma after it.
    const bool slanted = font().italic() && font().family() != kUnslantedItalicFont;
    const QString measured = slanted ? m_caption + u',' : m_caption;
    const int margin = m_borderStyle == Border::None ? kMarginWithoutBorder : kMarginWithBorder;
    resize(metrics.horizontalAdvance(measured) + margin, metrics.height() + margin);
}

void THyperLink::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setFont(font());
    painter.setPen(fontColor());
    // Plain text drawing shows an ampersand as it is.
    painter.drawText(client, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
    const QRect edge = client.adjusted(0, 0, -1, -1);
    painter.setPen(color());
    painter.drawRect(edge);
    if (!hasFocus()) return;
    QPen dots(fontColor());
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(edge);
}

void THyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) apply(Change::Press);
    emit OnMouseDown(event->button(), event->position().toPoint());
}

void THyperLink::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!(event->buttons() & (Qt::LeftButton | Qt::MiddleButton)))
        apply(Change::Hover);
    else
        apply(contains(point) ? Change::DragIn : Change::DragOut);
    if (point.x() <= width() && point.y() <= height()) showHrefInStatusPanel();
    emit OnMouseMove(event->buttons(), point);
}

void THyperLink::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && contains(point)) emit OnClick();
    release(event->button(), point);
}

void THyperLink::mouseDoubleClickEvent(QMouseEvent* event) {
    emit OnDblClick();
    QFrame::mouseDoubleClickEvent(event);
}

void THyperLink::release(Qt::MouseButton button, QPoint point) {
    apply(Change::Release);
    emit OnMouseUp(button, point);
    // The colour change shows before the shell starts another program.
    const QPointer<THyperLink> alive(this);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!alive) return;
    if (contains(point) && !m_href.isEmpty() && button == Qt::LeftButton) m_shell.open(m_href);
}

void THyperLink::leaveEvent(QEvent* event) {
    if (m_over && isEnabled()) apply(Change::Leave);
    QFrame::leaveEvent(event);
}

void THyperLink::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    emit OnEnter();
    if (QLabel* panel = statusPanel()) {
        m_savedPanelText = panel->text();
        panel->setText(m_href);
    }
    if (!m_pressed) apply(Change::FocusIn);
    update();
}

void THyperLink::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    apply(Change::FocusOut);
    emit OnExit();
    QLabel* panel = statusPanel();
    if (panel && panel->text() == m_href) panel->setText(m_savedPanelText);
    update();
}

bool THyperLink::defaultButtonTakesEnter() const {
    const auto* dialog = qobject_cast<const QDialog*>(window());
    if (!dialog) return false;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisible()) return true;
    return false;
}

void THyperLink::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The dialog's default button takes Enter before the link sees it.
    if (enter && defaultButtonTakesEnter()) {
        event->ignore();
        return;
    }
    emit OnKeyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty()) emit OnKeyPress(event->text());
    if (enter)
        release(Qt::LeftButton, QPoint(1, 1));
    else
        QFrame::keyPressEvent(event);
}

void THyperLink::keyReleaseEvent(QKeyEvent* event) {
    emit OnKeyUp(event->key(), event->modifiers());
    QFrame::keyReleaseEvent(event);
}

void THyperLink::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popupMenu)
        m_popupMenu->exec(event->globalPos());
    else
        QFrame::contextMenuEvent(event);
}

void THyperLink::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) autoSize();
}

bool THyperLink::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !showHint()) {
        event->ignore();
        return true;
    }
    return QFrame::event(event);
}

QLabel* THyperLink::statusPanel() const {
    if (!m_statusBar) return nullptr;
    const QList<QLabel*> panels = m_statusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    return m_statusPanelNo >= 0 && m_statusPanelNo < panels.size() ? panels[m_statusPanelNo] : nullptr;
}

void THyperLink::showHrefInStatusPanel() {
    if (QLabel* panel = statusPanel()) panel->setText(m_href);
}
