// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board panel drawing a table model that is fed whole host messages. The fixture stands
// where the session does, as the model's one writer: the panel's clicks come here, go to the
// model, and what the answers ask of the rest of the client is recorded.
#include <QLabel>
#include <QtTest>

#include <memory>

#include "model_fixture.h"
#include "art/board_geometry.h"
#include "table/table_panel.h"

namespace fixture {

struct Table : ModelTable, table::TableActions {
    std::unique_ptr<TablePanel> panel;
    int websites = 0;

    explicit Table(int myseat = 1, const char* myname = "Ann", bool host = false) : ModelTable(myseat, myname, host) {
        panel = std::make_unique<TablePanel>(model, *this, nullptr);
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

    table::Outcome clickDice() override { return take(model.clickDice()); }
    table::Outcome clickPawn(int seat, int pawn, bool rightButton) override {
        return take(model.clickPawn(seat, pawn, rightButton));
    }
    table::Outcome clickMarker(int code) override { return take(model.clickMarker(code)); }
    table::Outcome clickPass(int seat) override { return take(model.clickPass(seat)); }
    table::Outcome clickStart() override { return take(model.clickStart()); }
    table::Outcome closeError() override { return take(model.closeError()); }
    table::Outcome answerQuestion(bool botPlays) override { return take(model.answerQuestion(botPlays)); }
    table::Outcome pressKey(table::BoardKey key) override { return take(model.pressKey(key)); }
    table::Outcome chooseSeatMenu(table::SeatMenuEntry entry, int seat) override {
        return take(model.chooseSeatMenu(entry, seat));
    }
    bool advanceWarning() override { return model.warningTick(); }

protected:
    void changed() override { panel->render(); }
};

} // namespace fixture
