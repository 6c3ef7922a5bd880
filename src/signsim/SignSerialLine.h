#pragma once

#include <QString>

#include <memory>

// The sign's end of a serial line: a new pseudo-terminal whose other end a downloader opens as its
// port, or a device given by path. Raw bytes both ways, no echo, no line editing.
class SignSerialLine {
public:
    // A new pseudo-terminal; devicePath() is the name the downloader opens.
    static std::unique_ptr<SignSerialLine> openPseudoTerminal(QString &error);
    // A serial device at `baud` (38400 or 9600), 8 data bits, no parity, 1 stop bit.
    static std::unique_ptr<SignSerialLine> openDevice(const QString &path, int baud, QString &error);

    ~SignSerialLine();
    SignSerialLine(const SignSerialLine &) = delete;
    SignSerialLine &operator=(const SignSerialLine &) = delete;

    int fd() const { return fd_; }
    const QString &devicePath() const { return devicePath_; }

    // Writes all of `bytes`; false when the line is gone.
    bool writeAll(const char *bytes, int count);
    // Lets go of the line: a downloader on a pseudo-terminal sees the far end hang up.
    void hangUp();

private:
    SignSerialLine(int fd, int keptOpenFd, QString devicePath);

    int fd_ = -1;
    // The pseudo-terminal's own end held open, so the line stays up between downloads.
    int keptOpenFd_ = -1;
    QString devicePath_;
};
