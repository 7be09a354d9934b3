#pragma once

#include <QFrame>
#include <QIcon>

class QPainter;
class QRectF;

// The program's picture: an island with a palm and a radio mast over the sea. The island is
// drawn as large as the rectangle allows and centred; sky and sea fill the rest of it.
void paintProgramPicture(QPainter& painter, const QRectF& area);

// The picture as the window icon.
QIcon programIcon();

// A panel showing the program's picture inside its frame.
class PictureBox : public QFrame {
public:
    explicit PictureBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
