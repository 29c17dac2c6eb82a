// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/launch.h"

#include <cmath>

namespace quadrino {

LaunchPlan decideLaunch(const QStringList& arguments) {
    LaunchPlan plan;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool known = a == u"--port" || a == u"--time-scale" || a == u"--seed";
        if (!known) {
            rest << a;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            plan.error = a + QStringLiteral(" needs a value");
            return plan;
        }
        const QString value = arguments[++i];
        bool ok = false;
        if (a == u"--port") {
            const uint port = value.toUInt(&ok);
            if (!ok || port > 65535) {
                plan.error = QStringLiteral("--port needs a number from 0 to 65535, not \"%1\"").arg(value);
                return plan;
            }
            plan.port = static_cast<std::uint16_t>(port);
        } else if (a == u"--time-scale") {
            const double scale = value.toDouble(&ok);
            if (!ok || !std::isfinite(scale) || scale <= 0.0 || scale > 100.0) {
                plan.error = QStringLiteral("--time-scale needs a number above 0, not \"%1\"").arg(value);
                return plan;
            }
            plan.timeScale = scale;
        } else {
            const uint seed = value.toUInt(&ok);
            if (!ok) {
                plan.error = QStringLiteral("--seed needs a number from 0 to 4294967295, not \"%1\"").arg(value);
                return plan;
            }
            plan.seed = seed;
        }
    }

    if (rest.isEmpty()) {
        plan.mode = LaunchMode::Solo;
        plan.myname = QStringLiteral("You");
        plan.hostaddress = QStringLiteral("127.0.0.1");
    } else if (rest.size() < 3) {
        plan.mode = LaunchMode::Idle;
    } else {
        plan.myname = rest[0];
        plan.hostaddress = rest[1];
        plan.mode = rest[2] == u"true" ? LaunchMode::Host : LaunchMode::Join;
        plan.openLobbyLink = true;
    }
    return plan;
}

} // namespace quadrino
