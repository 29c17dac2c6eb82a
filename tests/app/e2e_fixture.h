// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of a whole game through the main window, shared by the game played by mouse and
// the one played by keys.
#include <QAction>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include "app/launch.h"
#include "app/main_window.h"
#include "table/table_panel.h"

namespace e2e {

// Hosts a solo game of its own on a free port, the host's timers a hundred times faster and
// its dice seeded, the bots on "Fast"; shown, logged in and seated as "You". Message boxes
// land in `boxes`. The caller checks QTest::currentTestFailed() afterwards.
inline void openSoloGame(quadrino::MainWindow& w, QStringList& boxes, const char* seed) {
    using namespace quadrino;
    w.setMessageBox([&boxes](const QString& t) { boxes << t; });
    LaunchPlan plan = decideLaunch({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--time-scale"),
                                    QStringLiteral("0.01"), QStringLiteral("--seed"), QString::fromLatin1(seed)});
    QVERIFY(plan.error.isEmpty());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.processparams(plan);
    w.findChild<QAction*>(QStringLiteral("Fast1"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(w.identity().loggedin, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(w.panel()->findChild<QLabel*>(QStringLiteral("label_playername1"))->text(),
                              QStringLiteral("You"), 10000);
}

} // namespace e2e
