// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Games on this network, through the Avahi daemon: a publisher that announces the game this
// copy hosts for others, and a browser that keeps a live list of the games others announce.
// Both run on the event loop's thread through AvahiQtPoll. Without a daemon they start
// nothing and say why; the game goes on as before, reachable by its address.
#include <QList>
#include <optional>
#include <QObject>
#include <QString>
#include <QStringList>

#include "net/lan_record.h"

struct AvahiClient;
struct AvahiEntryGroup;
struct AvahiServiceBrowser;
struct AvahiServiceResolver;

namespace quadrino {

class AvahiQtPoll;

class LanPublisher : public QObject {
    Q_OBJECT
public:
    explicit LanPublisher(QObject* parent = nullptr);
    ~LanPublisher() override;

    // Announces `game` on `port` under the service name `name` (cut to fit; another copy's
    // name taken already gets a number added). False, announcing nothing, when no Avahi
    // daemon answers; errorString() says why.
    bool start(const QString& name, quint16 port, const LanGame& game);
    // The record follows the game; an unchanged game sends nothing.
    void update(const LanGame& game);
    // The name the service is announced under, once registered; empty before.
    const QString& registeredName() const { return registered_; }
    const QString& errorString() const { return error_; }

signals:
    // The daemon has the service on the network under registeredName().
    void registered();

private:
    friend struct LanCallbacks;
    void addService(AvahiClient* client);
    void reconnect();
    // Sends game_ as the record unless the network has it already.
    void pushRecord();

    AvahiQtPoll* poll_;
    AvahiClient* client_ = nullptr;
    AvahiEntryGroup* group_ = nullptr;
    QByteArray name_;
    quint16 port_ = 0;
    LanGame game_;
    std::optional<LanGame> published_; // what the daemon was last given
    QString registered_;
    QString error_;
};

// A game found on the network.
struct LanEntry {
    QString service; // the service name, which identifies the game on this network
    QString address; // an IPv4 address of the hosting machine
    quint16 port = 0;
    LanGame game;
    bool operator==(const LanEntry&) const = default;
};

class LanBrowser : public QObject {
    Q_OBJECT
public:
    explicit LanBrowser(QObject* parent = nullptr);
    ~LanBrowser() override;

    // Starts looking; false, finding nothing, when no Avahi daemon answers.
    bool start();
    const QList<LanEntry>& games() const { return games_; }
    const QString& errorString() const { return error_; }

signals:
    // A game came, went or changed its record.
    void gamesChanged();

private:
    friend struct LanCallbacks;
    // A service being resolved on one interface, and the game (service) it is listed as.
    struct Pending {
        LanBrowser* browser;
        QString key;
        QString service;
        AvahiServiceResolver* resolver = nullptr;
    };
    void startBrowsing(AvahiClient* client);
    void reconnect();
    void found(const QString& key, const LanEntry& entry);
    // The service has gone: its resolver and its row go.
    void forget(const QString& key);
    // Its row goes (its record is unusable now); the resolver stays for a better one.
    void unlist(const QString& key);

    AvahiQtPoll* poll_;
    AvahiClient* client_ = nullptr;
    AvahiServiceBrowser* browser_ = nullptr;
    // Resolvers stay open while their service is there, so record changes keep coming.
    QList<Pending*> pending_;
    QList<LanEntry> games_;
    QStringList keys_; // games_' services, in the same order
    QString error_;
};

} // namespace quadrino
