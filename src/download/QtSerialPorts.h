#pragma once

#include "download/SerialPorts.h"

#include <QString>

#include <array>
#include <map>
#include <memory>

class QSerialPort;

// The device port number n stands for: the environment variable VELMORA_COMn when it is set (a USB
// adapter: VELMORA_COM1=/dev/ttyUSB0), else the platform's n-th serial port.
QString SerialDeviceName(int port);

// The serial layer over QSerialPort. Ports given in `devices` use that device instead of the usual one
// (the command line's --port is port 1).
class QtSerialPorts final : public SerialPorts {
public:
    explicit QtSerialPorts(std::map<int, QString> devices = {});
    ~QtSerialPorts() override;

    int open(int port) override;
    int setup(int port, int lineCode, int mode) override;
    int setFlow(int port, int setting) override;
    int flush(int port, int queues) override;
    int write(int port, const std::uint8_t *bytes, int count) override;
    int read(int port, std::uint8_t *buffer, int count) override;
    int close(int port) override;
    QString failureReason(int port) const override;

private:
    // The open port with that number, or none.
    QSerialPort *openPort(int port) const;
    // The device port `port` stands for.
    QString deviceOf(int port) const;
    // Keeps why `serial` failed for failureReason and answers -1.
    int failed(int port, const QSerialPort &serial);

    std::map<int, QString> devices_;
    std::array<std::unique_ptr<QSerialPort>, LastPortNumber + 1> ports_;
    std::array<QString, LastPortNumber + 1> failures_;
};
