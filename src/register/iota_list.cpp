#include "register/iota_list.h"

#include <QSet>

#include "base/text_file.h"
#include "register/codes.h"

bool isWellFormedReference(const QString& text) {
    if (text.size() != 6 || text[2] != u'-') return false;
    for (int i : {0, 1})
        if (text[i] < u'A' || text[i] > u'Z') return false;
    for (int i : {3, 4, 5})
        if (text[i] < u'0' || text[i] > u'9') return false;
    return true;
}

bool isListedReference(const QString& text) {
    return isWellFormedReference(text) && continentByCode(text.left(2)) && text.mid(3) != QLatin1String("000");
}

std::vector<ListedIsland> readIotaTable(const QString& fileName) {
    std::vector<ListedIsland> islands;
    QSet<QString> seen;
    for (const QString& line : readTextLines(fileName)) {
        const QStringList columns = line.split(u'|');
        const QString reference = columns.value(0).trimmed();
        if (!isListedReference(reference) || seen.contains(reference)) continue;
        seen.insert(reference);
        islands.push_back({reference, columns.value(1).trimmed(), columns.value(2).trimmed()});
    }
    return islands;
}
