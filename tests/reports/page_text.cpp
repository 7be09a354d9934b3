#include "page_text.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace {

// The texts of a band by line: texts whose tops lie within a millimetre stand on one line.
QList<QStringList> linesOfBand(const reports::PlacedBand& band) {
    QList<QStringList> lines;
    QList<double> tops;
    for (const reports::PlacedText& text : band.texts) {
        qsizetype line = 0;
        while (line < tops.size() && std::abs(tops[line] - text.rect.top()) >= 1.0) ++line;
        if (line == tops.size()) {
            tops << text.rect.top();
            lines << QStringList();
        }
        lines[line] << text.text;
    }
    return lines;
}

}  // namespace

QStringList pageText(const std::vector<reports::LaidOutPage>& pages) {
    QStringList lines;
    for (size_t page = 0; page < pages.size(); ++page) {
        lines << QStringLiteral("page %1 of %2").arg(page + 1).arg(pages.size());
        for (const reports::PlacedBand& band : pages[page].bands) {
            const QString head =
                QStringLiteral("  %1 @%2:").arg(reports::bandTypeName(band.type)).arg(band.rect.top(), 0, 'f', 1);
            const QList<QStringList> bandLines = linesOfBand(band);
            if (bandLines.size() == 1) {
                lines << head + u' ' + bandLines.first().join(QLatin1String(" | "));
                continue;
            }
            lines << head;
            for (const QStringList& line : bandLines) lines << QStringLiteral("    ") + line.join(QLatin1String(" | "));
        }
    }
    return lines;
}

QString compareWithGolden(const QStringList& text, const QString& goldenName) {
    const QString path = QDir(QStringLiteral(SKERRY_GOLDEN)).filePath(goldenName);
    if (regeneratingReferences()) {
        writeFile(path, (text.join(u'\n') + u'\n').toUtf8());
        return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("no reference %1; run the tests with SKERRY_REGENERATE_REFERENCES=1 to write it")
            .arg(path);
    QStringList expected = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!expected.isEmpty() && expected.last().isEmpty()) expected.removeLast();
    for (qsizetype line = 0; line < std::max(expected.size(), text.size()); ++line) {
        const QString want = line < expected.size() ? expected[line] : QStringLiteral("<end of reference>");
        const QString got = line < text.size() ? text[line] : QStringLiteral("<end of pages>");
        if (want != got)
            return QStringLiteral(
                       "%1 line %2 differs\n  reference: %3\n  laid out:  %4\n"
                       "(SKERRY_REGENERATE_REFERENCES=1 takes the new layout on)")
                .arg(goldenName)
                .arg(line + 1)
                .arg(want, got);
    }
    return QString();
}
