#include "register/cards/qsl_card_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>
#include <new>
#include <utility>

#include "base/failure.h"
#include "register/cards/jpeg_decoder.h"

namespace {

QImage toImage(const DecodedPicture& decoded) {
    QImage image(decoded.width, decoded.height, QImage::Format_RGB888);
    const std::size_t rowBytes = std::size_t(decoded.width) * 3;
    for (int y = 0; y < decoded.height; ++y)
        std::memcpy(image.scanLine(y), decoded.rgb.data() + rowBytes * std::size_t(y), rowBytes);
    return image;
}

}  // namespace

QPixmap screenPixmap(const QImage& picture, QSize logicalSize, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(
        picture.scaled(logicalSize * devicePixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QslPicture::QslPicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void QslPicture::setPicture(const QImage& picture) {
    m_picture = picture;
    m_shown = QPixmap();
    update();
}

void QslPicture::clear() {
    setPicture(QImage());
}

QRect QslPicture::pictureRect() const {
    if (m_picture.isNull()) return {};
    QSize shown = m_picture.size();
    if (shown.width() > width() || shown.height() > height()) shown = shown.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void QslPicture::paintEvent(QPaintEvent*) {
    const QRect area = pictureRect();
    if (area.isEmpty()) return;
    const qreal ratio = devicePixelRatioF();
    if (m_shown.deviceIndependentSize().toSize() != area.size() || m_shown.devicePixelRatio() != ratio)
        m_shown = screenPixmap(m_picture, area.size(), ratio);
    QPainter(this).drawPixmap(area.topLeft(), m_shown);
}

QslCardPanel::QslCardPanel(Paths paths, QWidget* parent) : QFrame(parent), m_paths(std::move(paths)) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QSLImage = new QslPicture(this);
    QSLcard = new QLabel(this);
    QFont bold = QSLcard->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    QSLcard->setFont(bold);
    Front_Back = new QPushButton(QStringLiteral("&Turn"), this);
    CloseQSL = new QPushButton(QStringLiteral("&Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(QSLcard);
    buttons->addStretch();
    buttons->addWidget(Front_Back);
    buttons->addWidget(CloseQSL);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(QSLImage, 1);
    layout->addLayout(buttons);

    connect(Front_Back, &QPushButton::clicked, this, &QslCardPanel::Front_BackClick);
    connect(CloseQSL, &QPushButton::clicked, this, &QslCardPanel::CloseQSLClick);
}

void QslCardPanel::showCard(const QString& reference) {
    show();
    raise();
    QSLFrontShown = true;
    QSLcard->setText(reference);
    // Laid out before loading, so the picture is decoded for the room it gets.
    layout()->activate();
    m_files = QslCardFiles::forReference(m_paths, reference);
    load(m_files.pictureOf(CardSide::Front));
}

void QslCardPanel::Front_BackClick() {
    if (load(m_files.pictureOf(sideAfterTurn(QSLFrontShown)))) QSLFrontShown = !QSLFrontShown;
}

void QslCardPanel::CloseQSLClick() {
    hide();
    QSLcard->clear();
    // The next card does not open on the last one's picture, even if its own fails to load.
    QSLImage->clear();
    m_shownFile.clear();
    emit closed();
}

bool QslCardPanel::load(const QString& file) {
    try {
        // Decoded for the screen's pixels, which a high-density screen has more of than the panel's size says.
        QSLImage->setPicture(toImage(decodeJpegFile(file, QSLImage->size() * QSLImage->devicePixelRatioF())));
    } catch (const PictureBeyondLimits& tooLarge) {
        // The card is on file but beyond what is shown: the placeholder stands in, with the reason.
        const bool placeholderShown = file != m_files.QSLNoneFile && load(m_files.QSLNoneFile);
        emit failed(tooLarge.message());
        return placeholderShown;
    } catch (const Failure& failure) {
        emit failed(failure.message());
        return false;
    } catch (const std::bad_alloc&) {
        emit failed(QStringLiteral("Not enough memory for the picture %1").arg(file));
        return false;
    }
    m_shownFile = file;
    return true;
}
