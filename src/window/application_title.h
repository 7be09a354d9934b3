#pragma once

#include <QString>

// The application title: the main window's caption and the title of the error box.
inline const QString kApplicationTitle = QStringLiteral("Skerrydesk");

// The help file, looked for in the working folder first (Paths::programFile).
inline const QString kHelpFileName = QStringLiteral("SKERRYDESK.HLP");
