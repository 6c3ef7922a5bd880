#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a serial device is on this machine, so an operator can tell which cable a port stands for.
struct SerialDeviceInfo {
    QString device;
    // The device exists (a port the system lists, or another serial line such as a pseudo-terminal).
    bool present = false;
    // What the system calls it ("FT232R USB UART"); empty when it says nothing.
    QString description;
};

// Looks each device up among the system's serial ports, a link (/dev/serial/by-id/...) by what it points
// to. The system's list is read once for all of them: reading it walks the device tree.
QList<SerialDeviceInfo> DescribeSerialDevices(const QStringList &devices);
