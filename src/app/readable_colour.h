#pragma once

#include <QColor>
#include <initializer_list>

class QWidget;

// The contrast of two colours as web accessibility measures it: from 1 (the same brightness)
// to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// The first of the colours that reads well on the background (a contrast of at least 3, as for
// bold or large type), else the one that reads best. A window's described colour goes first, the
// palette's stand-ins for a dark theme after it.
QColor readableOn(const QColor& background, std::initializer_list<QColor> colours);

// Gives the widget's text the first of the colours that reads well on its background.
void setReadableTextColour(QWidget& widget, std::initializer_list<QColor> colours);
