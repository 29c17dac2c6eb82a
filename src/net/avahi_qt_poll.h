// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Avahi's client library waits on its D-Bus socket and on timers through an AvahiPoll table
// of callbacks. This one serves them with QSocketNotifier and QTimer, so the library runs on
// the event loop's own thread like everything else in the game: its callbacks arrive between
// our other handlers, never beside them.
#include <QObject>

#include <avahi-common/watch.h>

namespace quadrino {

class AvahiQtPoll : public QObject {
    Q_OBJECT
public:
    explicit AvahiQtPoll(QObject* parent = nullptr);
    // Watches and timeouts still held are freed; every Avahi object made with this poll
    // (the client, its browsers and groups) must be freed first.
    ~AvahiQtPoll() override;

    const AvahiPoll* poll() const { return &poll_; }
    // Watches and timeouts the library holds now (a leak shows here).
    int liveWatches() const { return watches_; }
    int liveTimeouts() const { return timeouts_; }

private:
    static AvahiWatch* watchNew(const AvahiPoll* api, int fd, AvahiWatchEvent events, AvahiWatchCallback callback,
                                void* userdata);
    static void watchUpdate(AvahiWatch* w, AvahiWatchEvent events);
    static AvahiWatchEvent watchGetEvents(AvahiWatch* w);
    static void watchFree(AvahiWatch* w);
    static AvahiTimeout* timeoutNew(const AvahiPoll* api, const struct timeval* tv, AvahiTimeoutCallback callback,
                                    void* userdata);
    static void timeoutUpdate(AvahiTimeout* t, const struct timeval* tv);
    static void timeoutFree(AvahiTimeout* t);

    AvahiPoll poll_{};
    int watches_ = 0;
    int timeouts_ = 0;
};

} // namespace quadrino
