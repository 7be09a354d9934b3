#pragma once

#include <QString>
#include <optional>

// Where a DX cluster node listens: a host name or address and a TCP port.
struct NodeAddress {
    QString host;
    quint16 port = 0;

    // "host:port", an IPv6 address in brackets: "[2001:db8::1]:7300".
    QString text() const;
};

// Reads "HOST:PORT" (an IPv6 address as "[ADDRESS]:PORT"), the port from 1 to 65535; nothing
// when the text is no such address.
std::optional<NodeAddress> parseNodeAddress(const QString& text);
