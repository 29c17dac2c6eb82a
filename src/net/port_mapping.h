// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the home router (a UPnP Internet Gateway Device) to forward the hosting port to this
// machine, so that players outside the home network can join.
//
// The router library blocks for seconds at a time (discovery alone waits two), so every call
// into it runs on one worker thread of this object's own. That thread only talks to the router
// and hands each outcome back to the event loop as a queued signal; the game itself never runs
// there.
//
// A mapping made is recorded in a small file until it is removed again, so that a run that
// ended without removing it (a crash, a power cut) has the next run that maps a port remove the
// leftover first, and only when the router still forwards that port to this machine for us.
#include <QObject>
#include <QString>
#include <optional>

class QThread;

namespace quadrino {

// What the record file holds: the external port forwarded and the LAN address it went to.
struct MappingRecord {
    quint16 port = 0;
    QString internalClient;
    bool operator==(const MappingRecord&) const = default;
};

// The record in `text`, or nothing when it is not one (a torn or foreign file).
std::optional<MappingRecord> parseMappingRecord(const QByteArray& text);
QByteArray formatMappingRecord(const MappingRecord& record);

// The description the router lists beside each of our mappings.
inline constexpr char kMappingDescription[] = "Quadrino";

class RouterWorker;

class PortMapping : public QObject {
    Q_OBJECT
public:
    // How long the destructor waits for the removal of a mapping before it lets the program
    // end anyway; what is left is removed on the next run that maps a port.
    static constexpr int kExitWaitMs = 2000;

    // `recordFile` keeps the mapping made until it is removed; empty: nothing is recorded, and
    // a crash leaves the mapping to the router's own housekeeping.
    explicit PortMapping(const QString& recordFile, QObject* parent = nullptr);
    // Removes the mapping made, if any, waiting at most kExitWaitMs.
    ~PortMapping() override;

    // Asks the router to forward TCP `port` on its external address to the same port here,
    // after removing a leftover mapping of an earlier run and any mapping this object made.
    // Returns at once; mapped() or failed() follows.
    void map(quint16 port);
    // Removes the mapping made, if any. Returns at once; unmapped() follows a removal.
    void unmap();

signals:
    // The router forwards `port` of `externalAddress` (empty when it would not say) here.
    void mapped(const QString& externalAddress, quint16 port);
    // No mapping was made; `reason` says why, for the user.
    void failed(const QString& reason);
    // The mapping of `port` is gone from the router.
    void unmapped(quint16 port);

private:
    QThread* thread_;
    RouterWorker* worker_;
};

} // namespace quadrino
