// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resident and peak resident memory of a process in KiB, read from its Linux status file
// ("/proc/self/status" or "/proc/PID/status"); 0 where the system does not say.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <utility>

inline std::pair<long, long> residentMemory(const QString& statusFile) {
    QFile f(statusFile);
    long rss = 0, hwm = 0;
    if (!f.open(QIODevice::ReadOnly)) return {0, 0};
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) rss = line.mid(6).trimmed().split(' ').value(0).toLong();
        if (line.startsWith("VmHWM:")) hwm = line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return {rss, hwm};
}
