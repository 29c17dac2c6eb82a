// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT and SIGTERM end the program the normal way (the main window closes and saves), not
// in the middle of whatever runs: the handler only writes a byte to a pipe that the event
// loop watches.
#include <QObject>

class QSocketNotifier;

namespace quadrino {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    bool installed() const { return notifier_ != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quadrino
