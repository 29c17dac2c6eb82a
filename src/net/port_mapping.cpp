// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/port_mapping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QThread>

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

namespace quadrino {

Q_LOGGING_CATEGORY(lcRouter, "quadrino.router", QtWarningMsg)

namespace {

// Long enough for a home router to answer the search; the game is not waiting on it.
constexpr int kDiscoveryMs = 2000;
// Routers answer "no such entry" with this code.
constexpr int kNoSuchEntry = 714;
constexpr int kConflictInMappingEntry = 718;

} // namespace

std::optional<MappingRecord> parseMappingRecord(const QByteArray& text) {
    MappingRecord record;
    bool havePort = false;
    bool haveClient = false;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty()) continue;
        const qsizetype eq = trimmed.indexOf('=');
        if (eq <= 0) return std::nullopt;
        const QByteArray key = trimmed.left(eq);
        const QByteArray value = trimmed.mid(eq + 1);
        if (key == "port") {
            bool ok = false;
            const uint port = value.toUInt(&ok);
            if (!ok || port == 0 || port > 65535 || havePort) return std::nullopt;
            record.port = static_cast<quint16>(port);
            havePort = true;
        } else if (key == "client") {
            // Only an address the router can have been given: a name or garbage was never ours.
            QHostAddress address;
            if (!address.setAddress(QString::fromLatin1(value)) || haveClient) return std::nullopt;
            record.internalClient = address.toString();
            haveClient = true;
        } else {
            return std::nullopt;
        }
    }
    if (!havePort || !haveClient) return std::nullopt;
    return record;
}

QByteArray formatMappingRecord(const MappingRecord& record) {
    return "port=" + QByteArray::number(record.port) + "\nclient=" + record.internalClient.toLatin1() + '\n';
}

// Lives on the PortMapping's own thread; every call into the router library happens here.
class RouterWorker : public QObject {
    Q_OBJECT
public:
    explicit RouterWorker(const QString& recordFile) : recordFile_(recordFile) {}
    ~RouterWorker() override { forgetRouter(); }

    void map(quint16 port);
    void unmap();
    // The owner is going: the mapping goes, then the thread ends.
    void finish() {
        unmap();
        thread()->quit();
    }

signals:
    void mapped(const QString& externalAddress, quint16 port);
    void failed(const QString& reason);
    void unmapped(quint16 port);

private:
    // Finds the router once per object; empty on success, else why not.
    QString findRouter();
    void forgetRouter();
    // Removes the mapping an earlier run recorded, if the router still forwards that port
    // to the address it went to then, under our description: anything else is not ours.
    void removeLeftover();
    void writeRecord(const MappingRecord& record);
    void dropRecord();

    QString recordFile_;
    bool haveRouter_ = false;
    UPNPUrls urls_{};
    IGDdatas data_{};
    QString lanAddress_;
    quint16 mappedPort_ = 0;
};

QString RouterWorker::findRouter() {
    if (haveRouter_) return {};
    int error = 0;
    UPNPDev* devices = upnpDiscover(kDiscoveryMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
    if (!devices) return tr("no router on this network answered the request for port forwarding (UPnP)");
    char lan[64] = {};
    const int found = UPNP_GetValidIGD(devices, &urls_, &data_, lan, sizeof lan);
    freeUPNPDevlist(devices);
    if (found == 0) return tr("no router on this network offers port forwarding (UPnP)");
    if (found == 3) {
        FreeUPNPUrls(&urls_);
        return tr("a device on this network answered, but it is not a router that forwards ports");
    }
    // 2: the router says it is not connected; some say so wrongly, so it is asked all the same.
    haveRouter_ = true;
    lanAddress_ = QString::fromLatin1(lan);
    return {};
}

void RouterWorker::forgetRouter() {
    if (!haveRouter_) return;
    FreeUPNPUrls(&urls_);
    haveRouter_ = false;
}

void RouterWorker::removeLeftover() {
    if (recordFile_.isEmpty()) return;
    QFile file(recordFile_);
    if (!file.open(QIODevice::ReadOnly)) return;
    const std::optional<MappingRecord> record = parseMappingRecord(file.read(4096));
    file.close();
    if (record) {
        const QByteArray port = QByteArray::number(record->port);
        char client[64] = {};
        char clientPort[16] = {};
        char description[96] = {};
        char enabled[8] = {};
        char lease[24] = {};
        const int r = UPNP_GetSpecificPortMappingEntry(urls_.controlURL, data_.first.servicetype, port.constData(),
                                                       "TCP", nullptr, client, clientPort, description, enabled,
                                                       lease);
        if (r == UPNPCOMMAND_SUCCESS && QString::fromLatin1(client) == record->internalClient &&
            qstrcmp(description, kMappingDescription) == 0) {
            const int d = UPNP_DeletePortMapping(urls_.controlURL, data_.first.servicetype, port.constData(), "TCP",
                                                 nullptr);
            qCInfo(lcRouter) << "leftover mapping of port" << record->port << "removed:" << d;
        }
    }
    // Whatever the router said, the record has been dealt with: a mapping that is not ours
    // any more, or is gone, is never to be removed later.
    dropRecord();
}

void RouterWorker::map(quint16 port) {
    unmap();
    if (const QString why = findRouter(); !why.isEmpty()) {
        emit failed(why);
        return;
    }
    removeLeftover();
    char external[64] = {};
    if (UPNP_GetExternalIPAddress(urls_.controlURL, data_.first.servicetype, external) != UPNPCOMMAND_SUCCESS)
        external[0] = '\0';
    const QByteArray portText = QByteArray::number(port);
    const QByteArray lan = lanAddress_.toLatin1();
    // A lease of 0 lasts as long as the router keeps it; our record covers a crash.
    const int r = UPNP_AddPortMapping(urls_.controlURL, data_.first.servicetype, portText.constData(),
                                      portText.constData(), lan.constData(), kMappingDescription, "TCP", nullptr, "0");
    if (r != UPNPCOMMAND_SUCCESS) {
        if (r == kConflictInMappingEntry) emit failed(tr("the router already forwards port %1 to another machine").arg(port));
        else emit failed(tr("the router refused (%1)").arg(QString::fromLatin1(strupnperror(r))));
        return;
    }
    mappedPort_ = port;
    writeRecord({port, lanAddress_});
    emit mapped(QString::fromLatin1(external), port);
}

void RouterWorker::unmap() {
    if (mappedPort_ == 0) return;
    const quint16 port = mappedPort_;
    mappedPort_ = 0;
    const QByteArray portText = QByteArray::number(port);
    const int r = UPNP_DeletePortMapping(urls_.controlURL, data_.first.servicetype, portText.constData(), "TCP", nullptr);
    // Gone already counts as removed; any other failure keeps the record for the next run.
    if (r != UPNPCOMMAND_SUCCESS && r != kNoSuchEntry) {
        qCWarning(lcRouter) << "the router did not remove the mapping of port" << port << ":" << strupnperror(r);
        return;
    }
    dropRecord();
    emit unmapped(port);
}

void RouterWorker::writeRecord(const MappingRecord& record) {
    if (recordFile_.isEmpty()) return;
    QDir().mkpath(QFileInfo(recordFile_).absolutePath());
    QSaveFile file(recordFile_);
    if (!file.open(QIODevice::WriteOnly) || file.write(formatMappingRecord(record)) < 0 || !file.commit())
        qCWarning(lcRouter) << "cannot record the port mapping in" << recordFile_ << ":" << file.errorString();
}

void RouterWorker::dropRecord() {
    if (!recordFile_.isEmpty()) QFile::remove(recordFile_);
}

PortMapping::PortMapping(const QString& recordFile, QObject* parent)
    : QObject(parent), thread_(new QThread), worker_(new RouterWorker(recordFile)) {
    thread_->setObjectName(QStringLiteral("router"));
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &RouterWorker::mapped, this, &PortMapping::mapped);
    connect(worker_, &RouterWorker::failed, this, &PortMapping::failed);
    connect(worker_, &RouterWorker::unmapped, this, &PortMapping::unmapped);
    thread_->start();
}

PortMapping::~PortMapping() {
    QMetaObject::invokeMethod(worker_, &RouterWorker::finish, Qt::QueuedConnection);
    if (thread_->wait(kExitWaitMs)) {
        delete thread_;
        return;
    }
    // The router is slow to answer and the program must not hang on it: the thread is left
    // to end on its own (the record names the mapping for the next run should it not).
    qCWarning(lcRouter) << "the router did not answer within" << kExitWaitMs << "ms; not waiting any longer";
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
}

void PortMapping::map(quint16 port) {
    QMetaObject::invokeMethod(worker_, [w = worker_, port] { w->map(port); }, Qt::QueuedConnection);
}

void PortMapping::unmap() { QMetaObject::invokeMethod(worker_, &RouterWorker::unmap, Qt::QueuedConnection); }

} // namespace quadrino

#include "port_mapping.moc"
