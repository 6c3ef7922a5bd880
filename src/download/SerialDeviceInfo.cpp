#include "download/SerialDeviceInfo.h"

#include <QFileInfo>
#include <QSerialPortInfo>

SerialDeviceInfo DescribeSerialDevice(const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        if (port.systemLocation() == device || (!target.isEmpty() && port.systemLocation() == target)) {
            return {device, true, port.description()};
        }
    }
    return {device, !target.isEmpty(), {}};
}
