// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lan_games.h"

#include <QLoggingCategory>
#include <QTimer>
#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/strlst.h>

#include "net/avahi_qt_poll.h"

Q_LOGGING_CATEGORY(lcLan, "quadrino.lan", QtWarningMsg)

namespace quadrino {

namespace {

const QByteArray kType(kLanServiceType.data(), static_cast<qsizetype>(kLanServiceType.size()));

// The record's entries as Avahi's list; the caller frees it.
AvahiStringList* toStringList(const LanGame& game) {
    AvahiStringList* list = nullptr;
    // Avahi prepends: add in reverse so the record keeps its order.
    const std::vector<std::string> entries = encodeLanRecord(game);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        list = avahi_string_list_add_arbitrary(list, reinterpret_cast<const uint8_t*>(it->data()), it->size());
    return list;
}

std::vector<std::string> fromStringList(AvahiStringList* list) {
    std::vector<std::string> entries;
    for (AvahiStringList* e = list; e; e = avahi_string_list_get_next(e))
        entries.emplace_back(reinterpret_cast<const char*>(avahi_string_list_get_text(e)),
                             avahi_string_list_get_size(e));
    return entries;
}

QString clientError(int error) { return QString::fromUtf8(avahi_strerror(error)); }

// A game's identity on this network: the same service reached over two interfaces is one
// game.
QString serviceKey(const char* name, const char* domain) {
    return QString::fromUtf8(name) + QLatin1Char('/') + QString::fromUtf8(domain);
}

} // namespace

struct LanCallbacks {
    static void clientState(AvahiClient* client, AvahiClientState state, void* data) {
        auto* self = static_cast<LanPublisher*>(data);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->addService(client);
            break;
        case AVAHI_CLIENT_S_COLLISION:
        case AVAHI_CLIENT_S_REGISTERING:
            // The machine's own name is being settled; our service goes up again once it is.
            if (self->group_) avahi_entry_group_reset(self->group_);
            self->registered_.clear();
            break;
        case AVAHI_CLIENT_FAILURE:
            qCInfo(lcLan) << "the Avahi daemon went away:" << clientError(avahi_client_errno(client));
            self->registered_.clear();
            self->published_.reset();
            if (avahi_client_errno(client) == AVAHI_ERR_DISCONNECTED) self->reconnect();
            break;
        case AVAHI_CLIENT_CONNECTING:
            break;
        }
    }

    static void groupState(AvahiEntryGroup* group, AvahiEntryGroupState state, void* data) {
        auto* self = static_cast<LanPublisher*>(data);
        if (state == AVAHI_ENTRY_GROUP_ESTABLISHED) {
            self->registered_ = QString::fromUtf8(self->name_);
            // The game may have changed while the name was being claimed.
            self->pushRecord();
            emit self->registered();
        } else if (state == AVAHI_ENTRY_GROUP_COLLISION) {
            // Another game on this network has the name: take the next of "Name #2", "#3"...
            char* other = avahi_alternative_service_name(self->name_.constData());
            self->name_ = other;
            avahi_free(other);
            avahi_entry_group_reset(group);
            self->addService(avahi_entry_group_get_client(group));
        } else if (state == AVAHI_ENTRY_GROUP_FAILURE) {
            qCInfo(lcLan) << "announcing failed:" << clientError(avahi_client_errno(avahi_entry_group_get_client(group)));
        }
    }

    static void browserClientState(AvahiClient* client, AvahiClientState state, void* data) {
        auto* self = static_cast<LanBrowser*>(data);
        if (state == AVAHI_CLIENT_S_RUNNING || state == AVAHI_CLIENT_S_REGISTERING ||
            state == AVAHI_CLIENT_S_COLLISION) {
            // Browsing needs the daemon, not our host name settled.
            self->startBrowsing(client);
        } else if (state == AVAHI_CLIENT_FAILURE) {
            qCInfo(lcLan) << "the Avahi daemon went away:" << clientError(avahi_client_errno(client));
            if (avahi_client_errno(client) == AVAHI_ERR_DISCONNECTED) self->reconnect();
        }
    }

    static void browse(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                       AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                       AvahiLookupResultFlags, void* data) {
        auto* self = static_cast<LanBrowser*>(data);
        if (event != AVAHI_BROWSER_NEW && event != AVAHI_BROWSER_REMOVE) return;
        const QString key = QStringLiteral("%1/%2/").arg(interface).arg(protocol) + serviceKey(name, domain);
        if (event == AVAHI_BROWSER_REMOVE) {
            self->forget(key);
            return;
        }
        auto* pending = new LanBrowser::Pending{self, key, serviceKey(name, domain)};
        pending->resolver = avahi_service_resolver_new(avahi_service_browser_get_client(browser), interface, protocol,
                                                       name, type, domain, AVAHI_PROTO_INET, AvahiLookupFlags(0),
                                                       &LanCallbacks::resolve, pending);
        if (!pending->resolver) {
            delete pending;
            return;
        }
        self->pending_.append(pending);
    }

    static void resolve(AvahiServiceResolver*, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                        const char* name, const char*, const char*, const char*, const AvahiAddress* address,
                        uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags, void* data) {
        auto* pending = static_cast<LanBrowser::Pending*>(data);
        LanBrowser* self = pending->browser;
        if (event != AVAHI_RESOLVER_FOUND) {
            self->forget(pending->key);
            return;
        }
        const std::optional<LanGame> game = decodeLanRecord(fromStringList(txt));
        if (!game || !address || port == 0) {
            // Not a game this copy can show (or join): not listed at all.
            qCInfo(lcLan) << "passed over a service with an unusable record:" << name;
            self->unlist(pending->service);
            return;
        }
        char text[AVAHI_ADDRESS_STR_MAX];
        avahi_address_snprint(text, sizeof text, address);
        self->found(pending->service, LanEntry{QString::fromUtf8(name), QString::fromLatin1(text), port, *game});
    }
};

LanPublisher::LanPublisher(QObject* parent) : QObject(parent), poll_(new AvahiQtPoll(this)) {}

LanPublisher::~LanPublisher() {
    // Freeing the client frees its groups; the daemon withdraws the service at once.
    if (client_) avahi_client_free(client_);
}

void LanPublisher::reconnect() {
    // The daemon restarted (or stopped): the client is spent, and freeing it from inside its
    // own callback is not allowed. A fresh one waits for the daemon to come back and then
    // puts the service up again from the latest record.
    QTimer::singleShot(0, this, [this] {
        if (client_) avahi_client_free(client_);
        group_ = nullptr; // freed with its client
        int error = 0;
        client_ = avahi_client_new(poll_->poll(), AVAHI_CLIENT_NO_FAIL, &LanCallbacks::clientState, this, &error);
        if (!client_) error_ = clientError(error);
    });
}

bool LanPublisher::start(const QString& name, quint16 port, const LanGame& game) {
    if (client_) return true;
    const std::string cut = cutUtf8(name.toStdString(), kLanNameMax);
    name_ = cut.empty() ? QByteArrayLiteral("Quadrino") : QByteArray::fromStdString(cut);
    port_ = port;
    game_ = game;
    int error = 0;
    // Not AVAHI_CLIENT_NO_FAIL: without a daemon now, there is nothing to wait for.
    client_ = avahi_client_new(poll_->poll(), AvahiClientFlags(0), &LanCallbacks::clientState, this, &error);
    if (!client_) {
        error_ = clientError(error);
        return false;
    }
    return true;
}

void LanPublisher::addService(AvahiClient* client) {
    if (!group_) {
        group_ = avahi_entry_group_new(client, &LanCallbacks::groupState, this);
        if (!group_) {
            error_ = clientError(avahi_client_errno(client));
            qCInfo(lcLan) << "cannot announce:" << error_;
            return;
        }
    }
    AvahiStringList* txt = toStringList(game_);
    published_ = game_;
    int result = avahi_entry_group_add_service_strlst(group_, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
                                                      AvahiPublishFlags(0), name_.constData(), kType.constData(),
                                                      nullptr, nullptr, port_, txt);
    avahi_string_list_free(txt);
    if (result == AVAHI_ERR_COLLISION) {
        char* other = avahi_alternative_service_name(name_.constData());
        name_ = other;
        avahi_free(other);
        addService(client);
        return;
    }
    if (result == 0) result = avahi_entry_group_commit(group_);
    if (result < 0) {
        error_ = clientError(result);
        qCInfo(lcLan) << "cannot announce:" << error_;
    }
}

void LanPublisher::update(const LanGame& game) {
    game_ = game;
    // Until the service is up, it goes up with the latest record (see groupState).
    if (!registered_.isEmpty()) pushRecord();
}

void LanPublisher::pushRecord() {
    if (!group_ || published_ == game_) return;
    AvahiStringList* txt = toStringList(game_);
    const int result = avahi_entry_group_update_service_txt_strlst(group_, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
                                                                   AvahiPublishFlags(0), name_.constData(),
                                                                   kType.constData(), nullptr, txt);
    avahi_string_list_free(txt);
    if (result < 0) qCInfo(lcLan) << "cannot update the announcement:" << clientError(result);
    else published_ = game_;
}

LanBrowser::LanBrowser(QObject* parent) : QObject(parent), poll_(new AvahiQtPoll(this)) {}

LanBrowser::~LanBrowser() {
    // The client frees its browser and resolvers with it.
    if (client_) avahi_client_free(client_);
    qDeleteAll(pending_);
}

bool LanBrowser::start() {
    if (client_) return true;
    int error = 0;
    client_ = avahi_client_new(poll_->poll(), AvahiClientFlags(0), &LanCallbacks::browserClientState, this, &error);
    if (!client_) {
        error_ = clientError(error);
        return false;
    }
    startBrowsing(client_);
    if (!browser_) {
        avahi_client_free(client_);
        client_ = nullptr;
        return false;
    }
    return true;
}

void LanBrowser::startBrowsing(AvahiClient* client) {
    if (browser_) return;
    // IPv4 only: its addresses can be typed and joined as they are, where an IPv6 link-local
    // one would need its interface too.
    browser_ = avahi_service_browser_new(client, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, kType.constData(), nullptr,
                                         AvahiLookupFlags(0), &LanCallbacks::browse, this);
    if (!browser_) error_ = clientError(avahi_client_errno(client));
}

void LanBrowser::reconnect() {
    // What the daemon told us is void with it gone: the rows go now, and come back as a
    // fresh client (made outside the library's callback) finds them again.
    QTimer::singleShot(0, this, [this] {
        if (client_) avahi_client_free(client_); // frees the browser and the resolvers
        browser_ = nullptr;
        qDeleteAll(pending_);
        pending_.clear();
        const bool had = !games_.isEmpty();
        games_.clear();
        keys_.clear();
        if (had) emit gamesChanged();
        int error = 0;
        client_ = avahi_client_new(poll_->poll(), AVAHI_CLIENT_NO_FAIL, &LanCallbacks::browserClientState, this, &error);
        if (!client_) error_ = clientError(error);
    });
}

void LanBrowser::found(const QString& key, const LanEntry& entry) {
    const qsizetype at = keys_.indexOf(key);
    if (at < 0) {
        keys_.append(key);
        games_.append(entry);
    } else if (games_[at] == entry) {
        return;
    } else {
        games_[at] = entry;
    }
    emit gamesChanged();
}

void LanBrowser::forget(const QString& key) {
    QString service;
    for (qsizetype i = 0; i < pending_.size(); ++i) {
        Pending* p = pending_[i];
        if (p->key != key) continue;
        service = p->service;
        avahi_service_resolver_free(p->resolver);
        delete p;
        pending_.removeAt(i);
        break;
    }
    // Still reached over another interface: the row stays, kept current by that resolver.
    for (const Pending* p : pending_)
        if (p->service == service) return;
    unlist(service);
}

void LanBrowser::unlist(const QString& key) {
    const qsizetype at = keys_.indexOf(key);
    if (at < 0) return;
    keys_.removeAt(at);
    games_.removeAt(at);
    emit gamesChanged();
}

} // namespace quadrino
