#pragma once
// Workstation identity. The server knows a workstation by an identifier made
// from its first disk's serial number, or from its first network adapter's
// address when the disk tells none. Read from sysfs and the udev database
// under a root folder, so tests can lay out a fake system.

#include <QString>

// Upper-case serial of the first disk, as the drive reports it. Throws
// ZerdaError when there is no disk or it reports no serial.
QString GetDiskSerial(const QString &systemRoot);
// First adapter whose address is not all zero, as 00-1A-2B-3C-4D-5E;
// "00-00-00-00-00-00" when every adapter reports zeros; empty when none.
QString GetMacAddress(const QString &systemRoot);
// Trimmed disk serial, else the adapter address; blanks removed; mapped
// through the deployment's alias table.
QString GetWorkstationId();
QString GetWorkstationId(const QString &systemRoot, const QMap<QString, QString> &aliases);

QString GetLocalComputerName(); // at most 15 characters (the 16-character buffer)
QString GetLocalUserName();     // at most 15 characters
QString GetLocalIp();           // first IPv4 address of the own host name, else 127.0.0.1
