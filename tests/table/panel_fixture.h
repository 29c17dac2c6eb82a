// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board panel drawing a table model that is fed whole host messages; what the panel's
// clicks and the model's answers ask of the rest of the client is recorded.
#include <QLabel>
#include <QtTest>

#include <memory>

#include "model_fixture.h"
#include "art/board_geometry.h"
#include "table/table_panel.h"

namespace fixture {

struct Table : ModelTable {
    std::unique_ptr<TablePanel> panel;
    int websites = 0;

    explicit Table(int myseat = 1, const char* myname = "Ann", bool host = false) : ModelTable(myseat, myname, host) {
        panel = std::make_unique<TablePanel>(model);
        QObject::connect(panel.get(), &TablePanel::outcome, panel.get(), [this](const table::Outcome& out) { rec.take(out); });
        QObject::connect(panel.get(), &TablePanel::logoClicked, panel.get(), [this] { ++websites; });
        panel->show();
    }

    void setHosting(bool hosting) {
        model.setHosting(hosting);
        panel->render();
    }

    template <typename T = QWidget> T* w(const QString& name) const {
        T* found = panel->findChild<T*>(name);
        if (found == nullptr) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QLabel* label(const QString& name) const { return w<QLabel>(name); }
    QString text(const QString& name) const { return label(name)->text(); }
    bool shown(const QString& name) const { return w(name)->isVisible(); }
    QPoint pos(const QString& name) const { return w(name)->pos(); }
    QWidget* pawn(int seat, int p) const { return w(QStringLiteral("piece_%1%2").arg(seat).arg(p)); }
    QWidget* marker(int code) const { return w(QStringLiteral("piece_gray%1").arg(code)); }

protected:
    void changed() override { panel->render(); }
};

} // namespace fixture
