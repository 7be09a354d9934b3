#pragma once

#include <QString>

// The application title: the main window's caption and the title of the error box.
inline const QString kApplicationTitle = QStringLiteral("Skerrydesk");
