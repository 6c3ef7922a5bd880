#include "download/SerialDeviceInfo.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

SerialDeviceInfo Describe(const QString &device, const QList<QSerialPortInfo> &ports)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo &port : ports) {
        if (port.systemLocation() == device || (!target.isEmpty() && port.systemLocation() == target)) {
            return {device, true, port.description()};
        }
    }
    return {device, !target.isEmpty(), {}};
}

} // namespace

QList<SerialDeviceInfo> DescribeSerialDevices(const QStringList &devices)
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    QList<SerialDeviceInfo> described;
    described.reserve(devices.size());
    for (const QString &device : devices) {
        described.append(Describe(device, ports));
    }
    return described;
}
