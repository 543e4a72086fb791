#pragma once

#include <QIODevice>

// Writes to an open file descriptor, or only counts the bytes where it has none. With
// `startWriteback`, the disk is given each piece as soon as it is written, so that a sync
// at the end has little left to wait for.
class DescriptorDevice : public QIODevice {
public:
    explicit DescriptorDevice(int descriptor = -1, bool startWriteback = false);

    qint64 written() const { return m_written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    int m_descriptor;
    bool m_startWriteback;
    qint64 m_written = 0;
};
