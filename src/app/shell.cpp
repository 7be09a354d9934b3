#include "app/shell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const QString& target) {
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}
