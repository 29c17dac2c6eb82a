// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/avahi_qt_poll.h"

#include <QSocketNotifier>
#include <algorithm>
#include <limits>
#include <QTimer>
#include <avahi-common/timeval.h>

// The library declares these types opaque; each poll implementation defines them.
struct AvahiWatch {
    quadrino::AvahiQtPoll* owner;
    int fd;
    AvahiWatchCallback callback;
    void* userdata;
    QSocketNotifier* read;
    QSocketNotifier* write;
    // What woke the watch, for watch_get_events while its callback runs; 0 otherwise.
    AvahiWatchEvent happened;
};

struct AvahiTimeout {
    quadrino::AvahiQtPoll* owner;
    AvahiTimeoutCallback callback;
    void* userdata;
    QTimer* timer;
};

namespace quadrino {

namespace {

// The library may free a watch or timeout from inside its own callback, while the notifier
// or timer that called is still on the stack: those are therefore only switched off at once
// and deleted once control is back in the event loop. The handlers below touch nothing of
// theirs after the callback.
void retire(QObject* object) {
    if (!object) return;
    object->disconnect();
    object->deleteLater();
}

void arm(AvahiTimeout* t, const struct timeval* tv) {
    if (!tv) {
        t->timer->stop();
        return;
    }
    // A negative age is the time still to go; round up so the callback never comes early.
    const AvahiUsec toGo = -avahi_age(tv);
    const qint64 ms = toGo <= 0 ? 0 : (toGo + 999) / 1000;
    t->timer->start(static_cast<int>(std::min<qint64>(ms, std::numeric_limits<int>::max())));
}

void setEvents(AvahiWatch* w, AvahiWatchEvent events) {
    w->read->setEnabled((events & AVAHI_WATCH_IN) != 0);
    w->write->setEnabled((events & AVAHI_WATCH_OUT) != 0);
}

} // namespace

AvahiQtPoll::AvahiQtPoll(QObject* parent) : QObject(parent) {
    poll_.userdata = this;
    poll_.watch_new = &AvahiQtPoll::watchNew;
    poll_.watch_update = &AvahiQtPoll::watchUpdate;
    poll_.watch_get_events = &AvahiQtPoll::watchGetEvents;
    poll_.watch_free = &AvahiQtPoll::watchFree;
    poll_.timeout_new = &AvahiQtPoll::timeoutNew;
    poll_.timeout_update = &AvahiQtPoll::timeoutUpdate;
    poll_.timeout_free = &AvahiQtPoll::timeoutFree;
}

// The notifiers and timers are this object's children and go with it.
AvahiQtPoll::~AvahiQtPoll() = default;

AvahiWatch* AvahiQtPoll::watchNew(const AvahiPoll* api, int fd, AvahiWatchEvent events, AvahiWatchCallback callback,
                                  void* userdata) {
    auto* self = static_cast<AvahiQtPoll*>(api->userdata);
    auto* w = new AvahiWatch{self, fd, callback, userdata, new QSocketNotifier(fd, QSocketNotifier::Read, self),
                             new QSocketNotifier(fd, QSocketNotifier::Write, self), AvahiWatchEvent(0)};
    auto fire = [w](AvahiWatchEvent what) {
        w->happened = what;
        // The last use of the watch: the callback may free it.
        w->callback(w, w->fd, what, w->userdata);
    };
    // A hang-up or error reads as readable, as poll() reports it alongside.
    QObject::connect(w->read, &QSocketNotifier::activated, self, [fire] { fire(AVAHI_WATCH_IN); });
    QObject::connect(w->write, &QSocketNotifier::activated, self, [fire] { fire(AVAHI_WATCH_OUT); });
    setEvents(w, events);
    ++self->watches_;
    return w;
}

void AvahiQtPoll::watchUpdate(AvahiWatch* w, AvahiWatchEvent events) { setEvents(w, events); }

AvahiWatchEvent AvahiQtPoll::watchGetEvents(AvahiWatch* w) { return w->happened; }

void AvahiQtPoll::watchFree(AvahiWatch* w) {
    w->read->setEnabled(false);
    w->write->setEnabled(false);
    retire(w->read);
    retire(w->write);
    --w->owner->watches_;
    delete w;
}

AvahiTimeout* AvahiQtPoll::timeoutNew(const AvahiPoll* api, const struct timeval* tv, AvahiTimeoutCallback callback,
                                      void* userdata) {
    auto* self = static_cast<AvahiQtPoll*>(api->userdata);
    auto* t = new AvahiTimeout{self, callback, userdata, new QTimer(self)};
    t->timer->setSingleShot(true);
    // Timer precision, not the coarse default: the library's retries and probes are timed.
    t->timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(t->timer, &QTimer::timeout, self, [t] { t->callback(t, t->userdata); });
    arm(t, tv);
    ++self->timeouts_;
    return t;
}

void AvahiQtPoll::timeoutUpdate(AvahiTimeout* t, const struct timeval* tv) { arm(t, tv); }

void AvahiQtPoll::timeoutFree(AvahiTimeout* t) {
    t->timer->stop();
    retire(t->timer);
    --t->owner->timeouts_;
    delete t;
}

} // namespace quadrino
