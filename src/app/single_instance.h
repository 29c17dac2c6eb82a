// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per user. The first copy holds a lock file and listens on a local socket
// beside it; a later copy finds the lock taken, asks the first copy to bring its window to
// the front and ends before it creates any window.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace quadrino {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `directory` holds the lock and the socket; by default the user's runtime folder, or
    // the temporary folder when there is none.
    explicit SingleInstance(QString directory = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first copy, which keeps the lock until it ends. False when another copy
    // holds it; that copy has then been asked to raise its window.
    bool claim();

    QString lockPath() const;
    QString socketPath() const;

signals:
    // A later copy asked for the window.
    void raiseRequested();

private:
    void onConnection();

    QString dir_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

} // namespace quadrino
