#pragma once

#include <QColor>
#include <QFrame>
#include <QPointer>

class Shell;
class QLabel;
Q_MOC_INCLUDE(<QMenu>)
Q_MOC_INCLUDE(<QStatusBar>)
class QMenu;
class QStatusBar;

// A focusable text that looks and acts like a link on a web page: underlined and coloured, in
// another colour while the pointer is over it and while it is pressed. Releasing the left
// button on it, or Enter while it has the focus, hands its HREF (a web or "mailto:" address) to
// the shell. The caption shows an ampersand as it is; the control sizes itself to its caption.
class THyperLink : public QFrame {
    Q_OBJECT
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(Border BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor PressedColor READ pressedColor WRITE setPressedColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QString HREF READ href WRITE setHref)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(bool ParentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(QMenu* PopupMenu READ popupMenu WRITE setPopupMenu)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QStatusBar* StatusBar READ statusBar WRITE setStatusBar)
    Q_PROPERTY(int StatusPanelNo READ statusPanelNo WRITE setStatusPanelNo)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(QColor NotPressedColor READ notPressedColor WRITE setNotPressedColor)
    Q_PROPERTY(QColor OverColor READ overColor WRITE setOverColor)
    Q_PROPERTY(bool Visible READ isVisibleSetting WRITE setVisible)

public:
    enum class Border { None, Single, Sunken };
    Q_ENUM(Border)

    // Links open their targets through the shell given.
    explicit THyperLink(Shell& shell, QWidget* parent = nullptr);

    void setHeight(int height);
    void setWidth(int width);
    Border borderStyle() const { return m_borderStyle; }
    void setBorderStyle(Border border);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The background.
    QColor color() const;
    void setColor(const QColor& color);
    // The colour of the caption, which shows the state. Set while the link is at rest, it
    // becomes the colour at rest.
    QColor fontColor() const;
    void setFontColor(const QColor& color);
    QColor notPressedColor() const { return m_notPressedColor; }
    void setNotPressedColor(const QColor& color);
    QColor overColor() const { return m_overColor; }
    void setOverColor(const QColor& color);
    QColor pressedColor() const { return m_pressedColor; }
    void setPressedColor(const QColor& color) { m_pressedColor = color; }
    QString href() const { return m_href; }
    void setHref(const QString& href) { m_href = href; }
    // Taking the parent's background or font; setting an own colour or font turns them off.
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool on);
    bool parentFont() const;
    void setParentFont(bool on);
    // Whether the tooltip shows; with ParentShowHint it follows the parent's ShowHint when the
    // parent has one, and shows otherwise. Setting ShowHint turns ParentShowHint off.
    bool showHint() const;
    void setShowHint(bool on);
    bool parentShowHint() const { return m_parentShowHint; }
    void setParentShowHint(bool on) { m_parentShowHint = on; }
    QMenu* popupMenu() const;
    void setPopupMenu(QMenu* menu);
    // The panels of a status bar are the labels placed on it, in their order; the panel
    // StatusPanelNo shows HREF while the pointer moves over the link or it has the focus.
    QStatusBar* statusBar() const;
    void setStatusBar(QStatusBar* statusBar);
    int statusPanelNo() const { return m_statusPanelNo; }
    void setStatusPanelNo(int panel) { m_statusPanelNo = panel; }
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool on);
    bool isVisibleSetting() const { return !isHidden(); }

signals:
    void OnClick();
    void OnDblClick();
    void OnEnter();
    void OnExit();
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void OnKeyPress(const QString& text);
    void OnKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void OnMouseDown(Qt::MouseButton button, QPoint point);
    void OnMouseMove(Qt::MouseButtons buttons, QPoint point);
    void OnMouseUp(Qt::MouseButton button, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class HyperLinkAccessible;
    enum class Change { Press, Hover, DragIn, DragOut, Leave, FocusIn, FocusOut, Release };

    void apply(Change change);
    void release(Qt::MouseButton button, QPoint point);
    void autoSize();
    bool contains(QPoint point) const;
    bool defaultButtonTakesEnter() const;
    QLabel* statusPanel() const;
    void showHrefInStatusPanel();

    Shell& m_shell;
    QString m_caption;
    QString m_href;
    Border m_borderStyle = Border::None;
    QColor m_notPressedColor;
    QColor m_pressedColor;
    QColor m_overColor;
    bool m_pressed = false;
    bool m_over = false;
    bool m_parentColor = false;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    QPointer<QMenu> m_popupMenu;
    QPointer<QStatusBar> m_statusBar;
    int m_statusPanelNo = 0;
    QString m_savedPanelText;
};
