#include "window/splash_view.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "window/application_title.h"
#include "window/program_picture.h"

namespace {

QLabel* textLabel(const QString& text, int pixelSize, bool italic, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame* rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(120);
    return line;
}

}  // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto* picture = new PictureBox(this);
    picture->setFixedSize(240, 180);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(8);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(textLabel(kApplicationTitle, 30, false, this));
    layout->addWidget(rule(this), 0, Qt::AlignHCenter);
    layout->addWidget(textLabel(QStringLiteral("Loading..."), 14, true, this));
    setFixedSize(sizeHint());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
}

SplashScope::SplashScope() : m_form(std::make_unique<TSplashForm>()) {
    m_form->show();
    m_form->repaint();
    // The slow work blocks the event loop, so the window is painted now.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

SplashScope::~SplashScope() {
    m_form->hide();
}
