#include "signsim/SignSerialLine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool MakeRaw(int fd, speed_t speed)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        return false;
    }
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

QString SystemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

SignSerialLine::SignSerialLine(int fd, int keptOpenFd, QString devicePath)
    : fd_(fd), keptOpenFd_(keptOpenFd), devicePath_(std::move(devicePath))
{
}

SignSerialLine::~SignSerialLine()
{
    hangUp();
}

std::unique_ptr<SignSerialLine> SignSerialLine::openPseudoTerminal(QString &error)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        error = SystemError("cannot create a pseudo-terminal");
        if (master >= 0) {
            ::close(master);
        }
        return nullptr;
    }
    const char *name = ptsname(master);
    const int other = name ? ::open(name, O_RDWR | O_NOCTTY) : -1;
    if (other < 0 || !MakeRaw(other, B38400)) {
        error = SystemError("cannot set up the pseudo-terminal");
        ::close(master);
        if (other >= 0) {
            ::close(other);
        }
        return nullptr;
    }
    return std::unique_ptr<SignSerialLine>(new SignSerialLine(master, other, QString::fromLocal8Bit(name)));
}

std::unique_ptr<SignSerialLine> SignSerialLine::openDevice(const QString &path, int baud, QString &error)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0 || !MakeRaw(fd, baud == 9600 ? B9600 : B38400)) {
        error = SystemError("cannot open the device");
        if (fd >= 0) {
            ::close(fd);
        }
        return nullptr;
    }
    return std::unique_ptr<SignSerialLine>(new SignSerialLine(fd, -1, path));
}

bool SignSerialLine::writeAll(const char *bytes, int count)
{
    while (count > 0) {
        const ssize_t written = ::write(fd_, bytes, static_cast<size_t>(count));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        count -= static_cast<int>(written);
    }
    return true;
}

void SignSerialLine::hangUp()
{
    for (int *fd : {&keptOpenFd_, &fd_}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}
