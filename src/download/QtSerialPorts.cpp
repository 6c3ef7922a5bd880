#include "download/QtSerialPorts.h"

#include <QSerialPort>

namespace {

constexpr int WriteTimeoutMs = 2000;

bool ValidPort(int port)
{
    return port >= FirstPortNumber && port <= LastPortNumber;
}

} // namespace

QString SerialDeviceName(int port)
{
    const QByteArray mapped = qgetenv(("VELMORA_COM" + QByteArray::number(port)).constData());
    if (!mapped.isEmpty()) {
        return QString::fromLocal8Bit(mapped);
    }
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

QtSerialPorts::QtSerialPorts(std::map<int, QString> devices) : devices_(std::move(devices)) {}

QtSerialPorts::~QtSerialPorts() = default;

QSerialPort *QtSerialPorts::openPort(int port) const
{
    return ValidPort(port) && ports_[port] && ports_[port]->isOpen() ? ports_[port].get() : nullptr;
}

QString QtSerialPorts::deviceOf(int port) const
{
    const auto mapped = devices_.find(port);
    return mapped != devices_.end() ? mapped->second : SerialDeviceName(port);
}

int QtSerialPorts::failed(int port, const QSerialPort &serial)
{
    failures_[port] = QStringLiteral("%1: %2").arg(deviceOf(port), serial.errorString());
    return -1;
}

int QtSerialPorts::open(int port)
{
    if (!ValidPort(port) || openPort(port)) {
        return -1;
    }
    failures_[port].clear();
    auto serial = std::make_unique<QSerialPort>(deviceOf(port));
    if (!serial->open(QIODevice::ReadWrite)) {
        return failed(port, *serial);
    }
    ports_[port] = std::move(serial);
    return 0;
}

int QtSerialPorts::setup(int port, int lineCode, int mode)
{
    QSerialPort *serial = openPort(port);
    if (!serial || (lineCode != LineCode38400 && lineCode != LineCode9600) || mode != Mode8N1) {
        return -1;
    }
    const bool done =
        serial->setBaudRate(lineCode == LineCode38400 ? QSerialPort::Baud38400 : QSerialPort::Baud9600) &&
        serial->setDataBits(QSerialPort::Data8) && serial->setParity(QSerialPort::NoParity) &&
        serial->setStopBits(QSerialPort::OneStop);
    return done ? 0 : failed(port, *serial);
}

int QtSerialPorts::setFlow(int port, int setting)
{
    QSerialPort *serial = openPort(port);
    if (!serial || setting != NoFlowControl) {
        return -1;
    }
    return serial->setFlowControl(QSerialPort::NoFlowControl) ? 0 : failed(port, *serial);
}

int QtSerialPorts::flush(int port, int queues)
{
    QSerialPort *serial = openPort(port);
    if (!serial) {
        return -1;
    }
    const QSerialPort::Directions directions = queues == 0   ? QSerialPort::Input
                                               : queues == 1 ? QSerialPort::Output
                                                             : QSerialPort::AllDirections;
    return serial->clear(directions) ? 0 : -1;
}

int QtSerialPorts::write(int port, const std::uint8_t *bytes, int count)
{
    QSerialPort *serial = openPort(port);
    if (!serial || serial->write(reinterpret_cast<const char *>(bytes), count) != count) {
        return -1;
    }
    // Hand the bytes to the system now: the pause that follows is the sign's time to answer.
    while (serial->bytesToWrite() > 0) {
        if (!serial->waitForBytesWritten(WriteTimeoutMs)) {
            return -1;
        }
    }
    return count;
}

int QtSerialPorts::read(int port, std::uint8_t *buffer, int count)
{
    QSerialPort *serial = openPort(port);
    if (!serial) {
        return -1;
    }
    // Without an event loop running, a zero wait is what moves arrived bytes into the port's buffer.
    serial->waitForReadyRead(0);
    const qint64 taken = serial->read(reinterpret_cast<char *>(buffer), count);
    // A line hung up reads as ready with nothing to read, which the port takes for a read error (or, once
    // a flush or write has met the hang-up, for a resource error).
    if (taken <= 0 &&
        (serial->error() == QSerialPort::ResourceError || serial->error() == QSerialPort::ReadError)) {
        return -1;
    }
    return static_cast<int>(taken);
}

int QtSerialPorts::close(int port)
{
    if (!ValidPort(port) || !ports_[port]) {
        return -1;
    }
    ports_[port]->close();
    ports_[port].reset();
    return 0;
}

QString QtSerialPorts::failureReason(int port) const
{
    return ValidPort(port) ? failures_[port] : QString();
}
