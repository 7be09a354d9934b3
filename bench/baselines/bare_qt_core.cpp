// A bare Qt Core program: the application object made and a usage text printed through a text
// stream, the very text `skerrydesk-cli --help` prints (taken from it at build time).
#include <QCoreApplication>
#include <QTextStream>

#include "usage_text.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    out << QString::fromUtf8(kUsageText);
    return 0;
}
