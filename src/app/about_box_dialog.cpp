#include "app/about_box_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/hyperlink.h"
#include "app/readable_colour.h"
#include "base/version.h"
#include "window/application_title.h"
#include "window/program_picture.h"

namespace {

const QString kWebAddress = QStringLiteral(SKERRY_WEB_ADDRESS);
const QString kMailTarget = QStringLiteral(SKERRY_MAIL_ADDRESS);

// The version and the maker's notice, one line each.
const QStringList kNoticeLines{
    QStringLiteral("V ") + QLatin1String(kProgramVersion),
    QStringLiteral("Your island register for the IOTA awards"),
    QStringLiteral("Made by radio amateurs for radio amateurs"),
    QStringLiteral("An independent program for island chasers"),
    QStringLiteral("73 and good island hunting!"),
};

const QColor kNavy(0, 0, 128);
const QColor kLinkBlue(0, 0, 255);
const QColor kLinkGreen(0, 128, 0);
const QColor kLinkRed(255, 0, 0);

QFont pixelFont(const QString& family, int pixelSize, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QColor tooltipColour() {
    return QGuiApplication::palette().color(QPalette::ToolTipBase);
}

}  // namespace

QString mailAddressOf(const QString& mailTarget) {
    return mailTarget.section(u':', 1).section(u'?', 0, 0);
}

TAboutBox::TAboutBox(Shell& shell, QWidget* parent) : QDialog(parent) {
    setFixedSize(296, 416);
    QPalette tooltip = palette();
    tooltip.setColor(QPalette::Window, tooltipColour());
    setPalette(tooltip);
    setAutoFillBackground(true);

    createPanel(shell);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(113, 384, 75, 25);
    OKButton->setCursor(Qt::PointingHandCursor);
    OKButton->setDefault(true);
    // Its modal result is Cancel, like Esc's.
    connect(OKButton, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(OKButton, Link1);
    setTabOrder(Link1, MailLink1);
    OKButton->setFocus();

    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
    FormCreate();
}

void TAboutBox::createPanel(Shell& shell) {
    Panel1 = new QFrame(this);
    Panel1->setGeometry(16, 12, 265, 365);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(5);

    ProgramName = new QLabel(Panel1);
    ProgramName->setGeometry(10, 14, 245, 28);
    ProgramName->setAlignment(Qt::AlignCenter);
    ProgramName->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    // Navy on the info-tip colour; on a dark theme's the palette's link or text colour.
    const QPalette colours = ProgramName->palette();
    setReadableTextColour(*ProgramName, {kNavy, colours.color(QPalette::Link), colours.color(QPalette::ToolTipText)});

    // The five lines take all the room between the name and the picture: with the fonts standing
    // in for Arial a line is 12 pixels high.
    Version = new QLabel(kNoticeLines.join(u'\n'), Panel1);
    Version->setGeometry(24, 42, 213, 62);
    Version->setAlignment(Qt::AlignCenter);
    Version->setFont(pixelFont(QStringLiteral("Arial"), 10));

    Image1 = new PictureBox(Panel1);
    Image1->setGeometry(32, 104, 201, 201);

    Link1 = createLink(shell, kWebAddress, kWebAddress, 312);
    MailLink1 = createLink(shell, mailAddressOf(kMailTarget), kMailTarget, 328);
}

THyperLink* TAboutBox::createLink(Shell& shell, const QString& caption, const QString& href, int top) {
    auto* link = new THyperLink(shell, Panel1);
    link->setColor(tooltipColour());
    QFont font = pixelFont(QStringLiteral("MS Sans Serif"), 12);
    font.setUnderline(true);
    link->setFont(font);
    // The link's colours as described where they read well on the info-tip colour, else the palette's.
    const QPalette colours = link->palette();
    const QColor text = colours.color(QPalette::ToolTipText);
    const QColor background = tooltipColour();
    link->setFontColor(readableOn(background, {kLinkBlue, colours.color(QPalette::Link), text}));
    link->setOverColor(readableOn(background, {kLinkGreen, colours.color(QPalette::LinkVisited), text}));
    link->setPressedColor(readableOn(background, {kLinkRed, colours.color(QPalette::BrightText), text}));
    link->setCaption(caption);
    link->setHref(href);
    // Sized to its caption, which is set at build time, the link is centred in the panel.
    link->move((Panel1->width() - link->width()) / 2, top);
    return link;
}

void TAboutBox::FormCreate() {
    setWindowTitle(QStringLiteral("About %1").arg(kApplicationTitle));
    ProgramName->setText(kApplicationTitle);
}
