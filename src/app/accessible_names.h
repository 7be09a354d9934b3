#pragma once

class QString;
class QWidget;

// A caption as a screen reader should say it: the access-key ampersands dropped, a doubled
// ampersand read as one.
QString withoutAccessKeys(const QString& caption);

// Gives every control below the window the name a screen reader reads for it: buttons, check
// and radio boxes and group boxes their caption, fields the caption of their label, the
// controls that carry no caption the name of what they hold, and the labels that show a value
// the value after what it is. Run once, when every control exists.
void nameControlsAccessibly(QWidget& window);
