#pragma once

#include <QFrame>
#include <QImage>
#include <QPixmap>

#include "base/paths.h"
#include "register/cards/qsl_card_files.h"

class QLabel;
class QPushButton;

// The picture scaled to fit a logical size, in the screen's own pixels: logical size times the
// device pixel ratio, marked with that ratio, so that a high-density screen shows the scan sharp.
QPixmap screenPixmap(const QImage& picture, QSize logicalSize, qreal devicePixelRatio);

// The picture of a QSL card side: shrunk to fit when larger than the widget, proportions
// kept, smoothed, centred.
class QslPicture : public QWidget {
public:
    explicit QslPicture(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clear();
    const QImage& picture() const { return m_picture; }
    // Where the picture is drawn; empty while there is none.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_shown;
};

// The QSL panel `QSLPanel`: the scanned card of a reference, front or back, with "&Turn" and
// "&Close". The main window places it over its whole client area, calls showCard() on a double
// click in an island list, routes failed() to its error box and gives its menus back on closed().
// A picture that cannot be loaded leaves the panel open with the picture shown before.
class QslCardPanel : public QFrame {
    Q_OBJECT

public:
    explicit QslCardPanel(Paths paths, QWidget* parent = nullptr);

    // Shows the panel on the front of the card of a reference, or on the placeholder.
    void showCard(const QString& reference);
    // "&Turn": the other side, or the placeholder where that side is not on file.
    void Front_BackClick();
    // "&Close": hides the panel and forgets the picture.
    void CloseQSLClick();

    const QslCardFiles& cardFiles() const { return m_files; }
    // Whether the next turn shows the back.
    bool QSLFrontShown = false;
    // The file whose picture is on show; empty while none is.
    const QString& shownFile() const { return m_shownFile; }

    QslPicture* QSLImage = nullptr;
    QLabel* QSLcard = nullptr;
    QPushButton* Front_Back = nullptr;
    QPushButton* CloseQSL = nullptr;

signals:
    // A picture could not be loaded; the message names the file and the reason.
    void failed(const QString& message);
    void closed();

private:
    bool load(const QString& file);

    Paths m_paths;
    QslCardFiles m_files;
    QString m_shownFile;
};
