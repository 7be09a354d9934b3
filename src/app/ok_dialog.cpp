#include "app/ok_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

namespace {

const QStringList& explanation() {
    static const QStringList lines{
        QStringLiteral("==========="),
        QStringLiteral("The following information is important, because"),
        QStringLiteral("it is used to import/export data from/to your"),
        QStringLiteral("IOTA checkpoint (CP)."),
        QStringLiteral("You have to enter this information only when"),
        QStringLiteral("running Skerrydesk for the first time. "),
        QStringLiteral("The database you installed has nothing stored"),
        QStringLiteral("in the owners table."),
        QStringLiteral("If you fail to enter this information correct, you"),
        QStringLiteral("may not be able to import data from your CP."),
        QString(),
    };
    return lines;
}

const QColor kTeal(0x00, 0x80, 0x80);
const QColor kPaleYellow(0xff, 0xff, 0xe1);

QPushButton* button(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setGeometry(geometry);
    return pushButton;
}

}  // namespace

TOKDialog::TOKDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("OKDialog"));
    setWindowTitle(QStringLiteral("Configuration Confirmation"));
    setFixedSize(394, 237);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kTeal);
    setPalette(colours);

    m_text->setObjectName(QStringLiteral("ConfirmationText"));
    m_text->setGeometry(8, 8, 378, 182);
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette textColours = m_text->palette();
    textColours.setColor(QPalette::Base, kPaleYellow);
    textColours.setColor(QPalette::Text, Qt::black);
    m_text->setPalette(textColours);
    m_text->setPlainText(explanation().join(u'\n'));

    QPushButton* confirm = button(QStringLiteral("OKBtn"), QStringLiteral("&Confirm"), {200, 200, 88, 28}, this);
    QPushButton* repeat =
        button(QStringLiteral("CancelBtn"), QStringLiteral("&Repeat Entry"), {296, 200, 90, 28}, this);
    confirm->setDefault(true);
    confirm->setFocus();
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(repeat, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(confirm, repeat);
    setTabOrder(repeat, m_text);
}

// The entered values stand at the end, below the explanation: the area opens scrolled down to
// them, so the user sees what he confirms.
void TOKDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_text->moveCursor(QTextCursor::End);
    m_text->ensureCursorVisible();
}

void TOKDialog::appendLines(const QStringList& lines) {
    for (const QString& line : lines) m_text->appendPlainText(line);
}
