#include "listupdate/url_history.h"

#include <QFileInfo>

#include "base/text_file.h"

std::optional<QStringList> readUrlHistory(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) return std::nullopt;
    QStringList urls = readTextLines(fileName).toStringList();
    urls.removeAll(QString());
    return urls;
}

bool addToUrlHistory(QStringList& urls, const QString& address) {
    if (urls.contains(address, Qt::CaseInsensitive)) return false;
    urls << address;
    return true;
}

void writeUrlHistory(const QString& fileName, const QStringList& urls) {
    writeTextFile(fileName, urls);
}
