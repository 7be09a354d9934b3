#pragma once

#include <QIODevice>

// An output that takes the first bytes it is given and fails after them, as a disk that fills
// part-way through a file.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 bytesItTakes) : m_room(bytesItTakes) { open(QIODevice::WriteOnly); }

    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 written = qMin(size, m_room);
        taken.append(data, written);
        m_room -= written;
        return written;
    }

private:
    qint64 m_room;
};
