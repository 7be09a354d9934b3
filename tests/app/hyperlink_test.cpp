#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

#include "app/hyperlink.h"
#include "support/recording_shell.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QString kHref = QStringLiteral("https://www.example.org/iota");

std::string name(const QColor& colour) {
    return colour.name().toStdString();
}

// A shown window with one link on it.
class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 200);
        // The window's first control takes the focus, not the link.
        first = new QPushButton(QStringLiteral("First"), &window);
        first->move(200, 100);
        link = new THyperLink(shell, &window);
        link->move(20, 20);
        link->setCaption(QStringLiteral("Skerrydesk home"));
        link->setHref(kHref);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_FALSE(link->hasFocus());
    }

    void focusLink() {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        link->setFocus();
        ASSERT_TRUE(link->hasFocus());
    }

    // A mouse move with buttons held, as a drag delivers it to the link that has the grab.
    void moveWith(Qt::MouseButtons buttons, QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, link->mapToGlobal(point), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(link, &move);
    }

    QPoint inside() const { return link->rect().center(); }
    QPoint outside() const { return QPoint(link->width() + 5, link->height() + 5); }

    RecordingShell shell;
    QWidget window;
    QPushButton* first = nullptr;
    THyperLink* link = nullptr;
};

TEST(HyperLinkCreation, EveryPropertyHasItsDefault) {
    RecordingShell shell;
    QWidget parent;
    THyperLink link(shell, &parent);
    const std::pair<const char*, QVariant> defaults[] = {
        {"Height", 14},
        {"Width", 55},
        {"BorderStyle", QVariant::fromValue(THyperLink::Border::None)},
        {"Caption", QString()},
        {"Color", kSilver},
        {"PressedColor", kRed},
        {"Enabled", true},
        {"HREF", QString()},
        {"ParentColor", false},
        {"ParentFont", false},
        {"ParentShowHint", true},
        {"StatusPanelNo", 0},
        {"TabStop", true},
        {"NotPressedColor", kBlue},
        {"OverColor", kGreen},
        {"Visible", true},
        {"FontColor", kBlue},
    };
    for (const auto& [property, expected] : defaults)
        EXPECT_EQ(link.property(property), expected)
            << property << " is " << link.property(property).toString().toStdString();
    EXPECT_EQ(link.property("PopupMenu").value<QMenu*>(), nullptr);
    EXPECT_EQ(link.property("StatusBar").value<QStatusBar*>(), nullptr);
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.focusPolicy(), Qt::TabFocus);
}

TEST_F(HyperLinkTest, LeftReleaseInsideOpensTheTarget) {
    QSignalSpy clicks(link, &THyperLink::OnClick);
    QSignalSpy releases(link, &THyperLink::OnMouseUp);
    QTest::mousePress(link, Qt::LeftButton, {}, inside());
    EXPECT_EQ(link->fontColor(), kRed) << "pressed link is " << name(link->fontColor());
    QTest::mouseRelease(link, Qt::LeftButton, {}, inside());
    EXPECT_EQ(shell.opened, QStringList{kHref});
    EXPECT_EQ(link->fontColor(), kBlue) << "released link is " << name(link->fontColor());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(releases.count(), 1);
}

TEST_F(HyperLinkTest, ReleaseOutsideOpensNothingAndRests) {
    QTest::mousePress(link, Qt::LeftButton, {}, inside());
    moveWith(Qt::LeftButton, outside());
    QTest::mouseRelease(link, Qt::LeftButton, {}, outside());
    EXPECT_TRUE(shell.opened.isEmpty()) << shell.opened.join(u' ').toStdString();
    EXPECT_EQ(link->fontColor(), kBlue) << name(link->fontColor());
}

TEST_F(HyperLinkTest, DraggingOutRestsAndDraggingBackInPresses) {
    QTest::mousePress(link, Qt::LeftButton, {}, inside());
    moveWith(Qt::LeftButton, outside());
    EXPECT_EQ(link->fontColor(), kBlue) << "dragged out: " << name(link->fontColor());
    moveWith(Qt::LeftButton, inside());
    EXPECT_EQ(link->fontColor(), kRed) << "dragged back in: " << name(link->fontColor());
    moveWith(Qt::MiddleButton, outside());
    EXPECT_EQ(link->fontColor(), kBlue) << "dragged out with the middle button: " << name(link->fontColor());
    QTest::mouseRelease(link, Qt::LeftButton, {}, inside());
    EXPECT_EQ(shell.opened, QStringList{kHref});
}

TEST_F(HyperLinkTest, TheEdgeCountsAsInside) {
    QTest::mousePress(link, Qt::LeftButton, {}, inside());
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width(), link->height()));
    EXPECT_EQ(shell.opened, QStringList{kHref});
}

TEST_F(HyperLinkTest, OtherButtonsOpenNothing) {
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(link, button, {}, inside());
        EXPECT_EQ(link->fontColor(), kBlue) << "only the left button presses the link";
        QTest::mouseRelease(link, button, {}, inside());
    }
    EXPECT_TRUE(shell.opened.isEmpty()) << shell.opened.join(u' ').toStdString();
}

TEST_F(HyperLinkTest, EmptyTargetOnlyChangesColoursAndTellsItsEvents) {
    link->setHref(QString());
    QSignalSpy downs(link, &THyperLink::OnMouseDown);
    QSignalSpy clicks(link, &THyperLink::OnClick);
    QTest::mouseClick(link, Qt::LeftButton, {}, inside());
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(HyperLinkTest, HoverShowsOverColourAndLeavingRests) {
    moveWith(Qt::NoButton, inside());
    EXPECT_EQ(link->fontColor(), kGreen) << name(link->fontColor());
    moveWith(Qt::RightButton, inside());
    EXPECT_EQ(link->fontColor(), kGreen) << "the right button does not drag: " << name(link->fontColor());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->fontColor(), kBlue) << name(link->fontColor());
}

TEST_F(HyperLinkTest, FontColourOfAnIdleLinkBecomesItsColourAtRest) {
    link->setFontColor(kYellow);
    EXPECT_EQ(link->notPressedColor(), kYellow) << name(link->notPressedColor());
    moveWith(Qt::NoButton, inside());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->fontColor(), kYellow) << name(link->fontColor());
}

TEST_F(HyperLinkTest, FontColourSetWhilePointedAtIsNotKept) {
    moveWith(Qt::NoButton, inside());
    link->setFontColor(kYellow);
    EXPECT_EQ(link->notPressedColor(), kBlue) << name(link->notPressedColor());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->fontColor(), kBlue) << name(link->fontColor());
}

TEST_F(HyperLinkTest, StateColoursShowWhenTheirStateIsOn) {
    link->setNotPressedColor(kYellow);
    EXPECT_EQ(link->fontColor(), kYellow) << "idle: " << name(link->fontColor());
    moveWith(Qt::NoButton, inside());
    link->setOverColor(kRed);
    EXPECT_EQ(link->fontColor(), kRed) << "over: " << name(link->fontColor());
    link->setPressedColor(kBlue);
    EXPECT_EQ(link->fontColor(), kRed) << "the pressed colour is only stored";
    QTest::mousePress(link, Qt::LeftButton, {}, inside());
    EXPECT_EQ(link->fontColor(), kBlue) << "pressed: " << name(link->fontColor());
    QTest::mouseRelease(link, Qt::LeftButton, {}, inside());
}

TEST_F(HyperLinkTest, FocusedLinkIsOverColouredInsideADottedRectangle) {
    const QImage unfocused = link->grab().toImage();
    focusLink();
    EXPECT_EQ(link->fontColor(), kGreen) << name(link->fontColor());
    const QImage focused = link->grab().toImage();
    // Dots and gaps take turns along the top edge, short of the corner.
    for (int x = 0; x + 2 < focused.width(); ++x) {
        const QColor here(focused.pixel(x, 0));
        ASSERT_TRUE(here == kGreen || here == kSilver) << name(here) << " at x " << x;
        ASSERT_NE(here, QColor(focused.pixel(x + 1, 0))) << "no dotted line at x " << x;
    }
    for (int x = 0; x < unfocused.width(); ++x)
        ASSERT_EQ(QColor(unfocused.pixel(x, 0)), kSilver) << "background frame without focus at x " << x;
    first->setFocus();
    EXPECT_EQ(link->fontColor(), kBlue) << "after losing the focus: " << name(link->fontColor());
}

TEST_F(HyperLinkTest, EnterOpensTheTargetOnAWindowWithoutDefaultButton) {
    focusLink();
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(shell.opened, (QStringList{kHref, kHref}));
}

TEST(HyperLinkInADialog, DefaultButtonTakesEnter) {
    RecordingShell shell;
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* link = new THyperLink(shell, &dialog);
    link->setCaption(QStringLiteral("mail me"));
    link->setHref(QStringLiteral("mailto:me@example.org"));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(link);
    layout->addWidget(ok);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_TRUE(shell.opened.isEmpty()) << shell.opened.join(u' ').toStdString();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(HyperLinkAutoSize, ItalicCaptionGetsTheRoomOfAComma) {
    RecordingShell shell;
    THyperLink link(shell);
    QFont italic(QStringLiteral("DejaVu Sans"));
    italic.setPixelSize(14);
    italic.setItalic(true);
    link.setFont(italic);
    link.setCaption(QStringLiteral("IOTA world"));
    const QFontMetrics metrics(link.font());
    EXPECT_EQ(link.width(), metrics.horizontalAdvance(QStringLiteral("IOTA world,")) + 1);
    EXPECT_EQ(link.height(), metrics.height() + 1);
}

TEST(HyperLinkAutoSize, MsSansSerifItalicNeedsNoComma) {
    RecordingShell shell;
    THyperLink link(shell);
    QFont italic(QStringLiteral("MS Sans Serif"));
    italic.setItalic(true);
    link.setFont(italic);
    link.setCaption(QStringLiteral("IOTA world"));
    EXPECT_EQ(link.width(), QFontMetrics(link.font()).horizontalAdvance(QStringLiteral("IOTA world")) + 1);
}

TEST(HyperLinkAutoSize, BordersTakeFourBorderWidths) {
    RecordingShell shell;
    THyperLink link(shell);
    link.setCaption(QStringLiteral("Q&A"));
    const QFontMetrics metrics(link.font());
    const int text = metrics.horizontalAdvance(QStringLiteral("Q&A"));
    EXPECT_EQ(link.width(), text + 1) << "the ampersand is measured as shown";
    for (THyperLink::Border border : {THyperLink::Border::Single, THyperLink::Border::Sunken}) {
        link.setBorderStyle(border);
        EXPECT_EQ(link.size(), QSize(text + 4, metrics.height() + 4)) << "border " << int(border);
        EXPECT_GE(link.contentsRect().width(), text) << "the frame leaves room for the caption";
    }
    link.setBorderStyle(THyperLink::Border::None);
    EXPECT_EQ(link.width(), text + 1);
}

TEST_F(HyperLinkTest, StatusPanelShowsTheTargetWhileFocusedOrPointedAt) {
    QStatusBar bar(&window);
    auto* first = new QLabel(QStringLiteral("Ready"), &bar);
    auto* second = new QLabel(QStringLiteral("EU-005"), &bar);
    bar.addWidget(first);
    bar.addWidget(second);
    link->setStatusBar(&bar);
    link->setStatusPanelNo(1);
    focusLink();
    EXPECT_EQ(second->text(), kHref);
    EXPECT_EQ(first->text(), QStringLiteral("Ready"));
    first->setFocus();
    EXPECT_EQ(second->text(), QStringLiteral("EU-005")) << "the saved text comes back";

    moveWith(Qt::NoButton, inside());
    EXPECT_EQ(second->text(), kHref);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(second->text(), kHref) << "leaving does not change the panel";

    link->setStatusPanelNo(5);
    moveWith(Qt::NoButton, inside());
    EXPECT_EQ(first->text(), QStringLiteral("Ready")) << "a panel the bar lacks is left alone";
}

TEST_F(HyperLinkTest, ParentColourFontAndHintSettings) {
    link->setParentColor(true);
    EXPECT_EQ(link->color(), window.palette().color(QPalette::Window));
    link->setColor(kSilver);
    EXPECT_FALSE(link->parentColor());
    link->setParentFont(true);
    EXPECT_TRUE(link->parentFont());
    EXPECT_EQ(link->font(), window.font());
    link->setParentFont(false);
    EXPECT_FALSE(link->parentFont());

    EXPECT_TRUE(link->showHint()) << "a parent without the setting shows hints";
    window.setProperty("ShowHint", false);
    EXPECT_FALSE(link->showHint()) << "the parent's setting is taken";
    link->setShowHint(true);
    EXPECT_FALSE(link->parentShowHint());
    EXPECT_TRUE(link->showHint());
}

TEST_F(HyperLinkTest, WithoutTabStopTheLinkTakesNoFocus) {
    link->setTabStop(false);
    EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(link->property("TabStop").toBool());
}

}  // namespace
