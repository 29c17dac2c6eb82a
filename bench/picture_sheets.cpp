// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino-pictures: draws the game's pictures for a person to look at. Writes into the
// folder given as the argument (default: the current folder)
//   art_sheet.png            every picture of the game on one contact sheet
//   table_panel.png          the board panel in the middle of a game
//   table_panel_notices.png  the same with the error panel and the computer-player question
//   moves_*.png              a capture on its way (the capturing pawn halfway, the captured one
//                            halfway home), then the last move's trace; at scale 1 and 1.5
//   table_panel_dark.png     the notices under a dark system palette
// Run with QT_QPA_PLATFORM=offscreen where there is no display; QT_SCALE_FACTOR=2 draws the
// high-density pictures.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTextOption>
#include <cstdio>

#include "protocol/catalogue.h"
#include "art/art.h"
#include "art/board_geometry.h"
#include "table/table_model.h"
#include "table/pawn_motion.h"
#include "table/table_panel.h"

using namespace quadrino;

namespace {

bool artSheet(const QString& path) {
    const qreal ratio = qApp->devicePixelRatio();
    QImage sheet((QSizeF(1130, 760) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawTiledPixmap(QRectF(0, 0, 1130, 760), art::background());

    // The board panel as the game shows it, with pieces placed from the tables.
    const QPoint panel(10, 10);
    auto put = [&](const QPixmap& pm, QPoint pos) { p.drawPixmap(panel + pos, pm); };
    p.fillRect(QRect(panel, QSize(505, 505)), QColor(221, 221, 193));
    put(art::board(), geometry::boardOrigin());
    put(art::turnHighlight(2), geometry::turnHighlightSpot(2));
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    p.setFont(nameFont);
    const QPoint labels[] = {{13, 13}, {335, 471}, {335, 13}, {13, 471}};
    const char* names[] = {"Alice", "Klot", "Klick", "Kling"};
    for (int seat = 1; seat <= 4; ++seat) {
        p.setPen(art::seatColour(seat));
        const QTextOption align((seat == 2 || seat == 3) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        p.drawText(QRectF(panel + labels[seat - 1], QSizeF(158, 19)), QString::fromLatin1(names[seat - 1]), align);
    }
    // Pawns: some waiting, some on the track (one pair), some in home columns, some home.
    const int squares[4][4] = {{5, 5, 0, 97}, {39, 72 - 68 + 80, 0, 99}, {80, 0, 98, 98}, {12, 93, 0, 0}};
    for (int seat = 1; seat <= 4; ++seat) {
        for (int pawn = 1; pawn <= 4; ++pawn) {
            int sq = squares[seat - 1][pawn - 1];
            if (seat == 2 && pawn == 2) sq = 86;
            QPoint spot = geometry::pawnSpot(seat, pawn, sq);
            if (seat == 1 && pawn == 2) spot = geometry::pairedOffsetSpot(sq);
            put(art::pawn(seat), spot);
        }
    }
    put(art::pawn(3), geometry::squareSpot(17));
    put(art::pawn(4), geometry::squareSpot(60));
    put(art::pawn(4), geometry::pairedOffsetSpot(60));
    put(art::pawn(2), geometry::squareSpot(44));
    put(art::pawn(2), geometry::pairedOffsetSpot(44));
    // Markers of the user in seat 2: one on each kind of cell and the home strip.
    for (int target : {10, 27, 47, 50, 99, 64, 85}) {
        const QRect r = geometry::markerRect(2, target);
        put(art::marker(2, r.height() > r.width()), r.topLeft());
    }
    const QRect home3 = geometry::markerRect(3, 98);
    put(art::marker(3, true), home3.topLeft());
    put(art::die(4), QPoint(geometry::rolledDiceLeft(1), 210));
    put(art::die(6), QPoint(geometry::rolledDiceLeft(2), 226));
    put(art::die(1), geometry::turnDiceSpot(1, 1));
    put(art::die(0), geometry::turnDiceSpot(1, 2));
    put(art::bonus20(), {268, 271});
    put(art::bonus20(), {268, 263});
    put(art::bonus10(), {269, 202});
    put(art::eyes(), {455, 34});
    put(art::cross(), {104, 385});
    put(art::passButton(), {439, 335});
    put(art::winnerBadge(3), {360, 83});
    put(art::warningFrames().value(0), {184, 464});

    // Everything else, with a caption each.
    QFont caption(QStringLiteral("Arial"));
    caption.setPixelSize(10);
    p.setFont(caption);
    p.setPen(QColor(60, 40, 20));
    int x = 530;
    int y = 12;
    int rowHeight = 0;
    auto show = [&](const QPixmap& pm, const QString& name) {
        const QSize s = pm.deviceIndependentSize().toSize();
        const int w = std::max(s.width(), 40);
        if (x + w > 1120) {
            x = 530;
            y += rowHeight + 18;
            rowHeight = 0;
        }
        p.drawPixmap(x, y, pm);
        p.drawText(QRect(x - 6, y + s.height() + 1, w + 12, 14), Qt::AlignHCenter | Qt::AlignTop, name);
        x += w + 12;
        rowHeight = std::max(rowHeight, s.height());
    };
    show(art::logo(), "logo");
    show(art::startButton(), "start");
    show(art::passButton(), "pass");
    for (int f = 0; f <= 6; ++f) show(art::die(f), QString("die %1").arg(f));
    for (int s = 1; s <= 4; ++s) show(art::pawn(s), QString("pawn %1").arg(s));
    show(art::bonus20(), "20");
    show(art::bonus10(), "10");
    show(art::eyes(), "eyes");
    show(art::cross(), "cross");
    show(art::closeImage(), "close");
    show(art::checkBox(false), "off");
    show(art::checkBox(true), "on");
    for (int s = 0; s <= 4; ++s) show(art::marker(s, false), QString("marker %1").arg(s));
    for (int s = 0; s <= 4; ++s) show(art::marker(s, true), QString("m%1").arg(s));
    for (int s = 1; s <= 4; ++s) show(art::winnerBadge(s), QString("winner %1").arg(s));
    show(art::warningFrames().value(0), "warning a");
    show(art::warningFrames().value(1), "warning b");
    for (int n = 1; n <= 10; ++n) show(art::phraseIcon(n), QString("ph%1").arg(n));
    for (int i = 0; i <= 17; ++i) show(art::smiley(i), QString("%1").arg(i + 10));
    // The progress frame with partly filled bars, as the main panel shows them.
    x = 530;
    y += rowHeight + 22;
    rowHeight = 0;
    const QPoint frame(x, y);
    p.drawPixmap(frame, art::progressFrame());
    const int widths[] = {150, 40, 95, 0};
    for (int seat = 1; seat <= 4; ++seat) {
        const QRect t = art::progressTrough(seat).translated(frame);
        p.drawPixmap(QRect(t.topLeft(), QSize(widths[seat - 1], t.height())), art::progressBar(seat));
    }
    x += 205;
    show(art::turnHighlight(1), "turn 1");
    show(art::turnHighlight(3), "turn 3");
    p.end();
    return sheet.save(path);
}

MoveHim moved(int seat, int code, int pawn, int square, int progress, bool more = false) {
    MoveHim m;
    m.seat = seat;
    m.code = code;
    m.pawn = pawn;
    m.square = square;
    m.progress = progress;
    m.moreMoves = more;
    return m;
}

// No session here: the sheet itself writes the model, and the panel's reports go straight to it
// (nothing the model answers is carried out).
struct ModelWriter final : table::TableActions {
    explicit ModelWriter(table::TableModel& m) : model(m) {}
    table::TableModel& model;
    table::Outcome clickDice() override { return model.clickDice(); }
    table::Outcome clickPawn(int seat, int pawn, bool right) override { return model.clickPawn(seat, pawn, right); }
    table::Outcome clickMarker(int code) override { return model.clickMarker(code); }
    table::Outcome clickPass(int seat) override { return model.clickPass(seat); }
    table::Outcome clickStart() override { return model.clickStart(); }
    table::Outcome closeError() override { return model.closeError(); }
    table::Outcome answerQuestion(bool botPlays) override { return model.answerQuestion(botPlays); }
    table::Outcome pressKey(table::BoardKey key) override { return model.pressKey(key); }
    table::Outcome chooseSeatMenu(table::SeatMenuEntry e, int seat) override { return model.chooseSeatMenu(e, seat); }
    bool advanceWarning() override { return model.warningTick(); }
};

// The board panel of the hosting player on seat 1 in the middle of a team game.
bool tablePanel(const QString& folder) {
    ClientIdentity me{"Ann", 1, true, true};
    table::TableModel model(me, 7);
    ModelWriter writer(model);
    TablePanel panel(model, writer);
    auto feed = [&](const auto& announcement) { model.handle(announcement); };
    const char* names[] = {"Ann", "Bob", "Cid", "Dee"};
    for (int s = 1; s <= 4; ++s) feed(ExistingPlayers{s, names[s - 1]});
    StartGameAnnouncement start;
    start.name = "Ann";
    start.options = {.penalty = true, .passing = true, .blocking = true, .pouncing = true, .teamgame = true,
                     .blocklimit = 3};
    start.seat3playing = start.seat4playing = "t";
    feed(start);
    const int moves[][4] = {{1, 1, 5, 1},  {1, 2, 5, 1},  {1, 3, 30, 20}, {1, 4, 97, 71}, {2, 1, 45, 7},
                            {2, 2, 87, 66}, {3, 1, 60, 5}, {3, 2, 13, 26}, {4, 1, 22, 1},  {4, 2, 93, 70}};
    for (const auto& m : moves) feed(moved(m[0], 4, m[1], m[2], m[3]));
    feed(JustWatching{4, "1"});
    feed(NextPlayer{1, 1});
    feed(HisDice{1, 2, 3, 3, 3, 3, true});
    auto m = moved(1, 6, 3, 33, 24, true);
    m.amounts.bonus20a = 20;
    m.amounts.bonus10a = 10;
    m.amounts.double2 = 3;
    feed(m);
    model.clickPawn(1, 1, false);
    feed(Warning{1, 1, 2});
    panel.render();
    if (!panel.grab().save(QDir(folder).filePath(QStringLiteral("table_panel.png")))) return false;

    feed(AError{1, 5});
    feed(PlayerDisconnected{3, "Cid"});
    panel.render();
    // Both notices at once, which the game itself never shows.
    panel.findChild<QWidget*>(QStringLiteral("panel_bottakeover"))->show();
    if (!panel.grab().save(QDir(folder).filePath(QStringLiteral("table_panel_notices.png")))) return false;

    // The same under a dark system palette, on the sand ground the main window gives it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    QApplication::setPalette(dark);
    QImage ground(panel.size(), QImage::Format_ARGB32);
    QPainter p(&ground);
    p.fillRect(ground.rect(), QBrush(QColor(221, 221, 193), art::background()));
    p.end();
    static_cast<QWidget&>(panel).render(&ground, QPoint(), QRegion(), QWidget::DrawChildren);
    return ground.save(QDir(folder).filePath(QStringLiteral("table_panel_dark.png")));
}

// A capture as the board shows it on its way, with the clocks set by hand.
bool movesPanel(const QString& folder, qreal scale) {
    ClientIdentity me{"Ann", 1, true, true};
    table::TableModel model(me, 7);
    ModelWriter writer(model);
    TablePanel panel(model, writer);
    panel.setScale(scale);
    // The pictures are drawn afresh for the new size once it settles.
    for (QElapsedTimer waited; !waited.isValid() || waited.elapsed() < 300;) {
        if (!waited.isValid()) waited.start();
        QApplication::processEvents();
    }
    auto feed = [&](const auto& announcement) {
        model.handle(announcement);
        panel.render();
    };
    const char* names[] = {"Ann", "Bob", "Cid", "Dee"};
    for (int s = 1; s <= 4; ++s) feed(ExistingPlayers{s, names[s - 1]});
    StartGameAnnouncement start;
    start.name = "Ann";
    start.options = {.penalty = true, .passing = true, .blocking = true, .pouncing = true, .blocklimit = 3};
    start.seat3playing = start.seat4playing = "t";
    feed(start);
    for (const auto& m : {moved(1, 4, 1, 12, 8), moved(2, 4, 1, 42, 4), moved(3, 4, 3, 48, 60)}) {
        feed(m);
        panel.motion().finish();
    }
    feed(NextPlayer{2, 1});
    feed(HisDice{2, 2, 4, 2, 0, 0, true});
    panel.motion().finish();
    feed(moved(2, 7, 1, 48, 10, false));
    feed(SendBack{2, 3, 3, 0});
    const QString suffix = qFuzzyCompare(scale, 1.0) ? QString() : QStringLiteral("_x%1").arg(scale);
    auto shot = [&](const char* name, int ms) {
        panel.motion().glideClock().setCurrentTime(ms);
        return panel.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png")));
    };
    return shot("moves_gliding", BoardMotion::kGlideMs / 2) && shot("moves_sent_back", BoardMotion::kGlideMs * 3 / 2) &&
           shot("moves_last_move", BoardMotion::kGlideMs * 2);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "quadrino-pictures: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const bool ok = artSheet(QDir(folder).filePath(QStringLiteral("art_sheet.png"))) && tablePanel(folder) &&
                    movesPanel(folder, 1.0) && movesPanel(folder, 1.5);
    std::printf("%s pictures in %s\n", ok ? "wrote" : "could not write", qPrintable(QDir(folder).absolutePath()));
    return ok ? 0 : 1;
}
