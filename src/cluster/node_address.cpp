#include "cluster/node_address.h"

QString NodeAddress::text() const {
    const QString shownHost = host.contains(u':') ? u'[' + host + u']' : host;
    return shownHost + u':' + QString::number(port);
}

std::optional<NodeAddress> parseNodeAddress(const QString& text) {
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0) return std::nullopt;
    QString host = text.left(colon).trimmed();
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(u':'))
        return std::nullopt;
    bool isNumber = false;
    const uint port = text.mid(colon + 1).trimmed().toUInt(&isNumber);
    if (host.isEmpty() || host.contains(u' ') || !isNumber || port < 1 || port > 65535) return std::nullopt;
    return NodeAddress{host, quint16(port)};
}
