// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions for the rule and bot tests, written as short texts so that a data row reads
// like a picture of the board:
//   position "1.2=40 2.1=13 bp1.2=3 bt1.1=2": pawn 2 of seat 1 on square 40, pawn 1 of
//            seat 2 on 13, blockpartner[2] of seat 1 is 3, blockturns[1] of seat 1 is 2;
//            pawns not named stand at start;
//   options  "block pounce team penalty passing full limit=3";
//   amounts  "d1=5 d2=3 x1=3 x2=3 b20a=20 b20b=20 b20c=20 b10a=10 b10b=10 b10c=10".
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtGlobal>

#include "rules/board_rules.h"
#include "rules/strong_player.h"

namespace rulestest {

using quadrino::BoardState;
using quadrino::MoveSlots;

inline int toInt(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) qFatal("bad number in test position: %s", qPrintable(text));
    return v;
}

inline void place(BoardState& b, const QString& position) {
    const QStringList tokens = position.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        const QStringList kv = token.split(QLatin1Char('='));
        if (kv.size() != 2) qFatal("bad token in test position: %s", qPrintable(token));
        QString key = kv[0];
        enum { Square, Partner, Turns } kind = Square;
        if (key.startsWith(QLatin1String("bp")))
            kind = Partner;
        else if (key.startsWith(QLatin1String("bt")))
            kind = Turns;
        if (kind != Square) key = key.mid(2);
        const QStringList sp = key.split(QLatin1Char('.'));
        if (sp.size() != 2) qFatal("bad pawn in test position: %s", qPrintable(token));
        const int seatNo = toInt(sp[0]);
        const int pawnNo = toInt(sp[1]);
        if (seatNo < 1 || seatNo > 4 || pawnNo < 1 || pawnNo > 4)
            qFatal("bad pawn in test position: %s", qPrintable(token));
        auto& seat = b.seats[seatNo];
        const int pawn = pawnNo;
        int* field = kind == Square    ? &seat.pawnsquare[pawn]
                     : kind == Partner ? &seat.blockpartner[pawn]
                                       : &seat.blockturns[pawn];
        *field = toInt(kv[1]);
    }
}

inline void setOptions(BoardState& b, const QString& options) {
    const QStringList tokens = options.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        if (token == QLatin1String("block"))
            b.options.blocking = true;
        else if (token == QLatin1String("pounce"))
            b.options.pouncing = true;
        else if (token == QLatin1String("team"))
            b.options.teamgame = true;
        else if (token == QLatin1String("penalty"))
            b.options.penalty = true;
        else if (token == QLatin1String("passing"))
            b.options.passing = true;
        else if (token == QLatin1String("full"))
            b.options.fullgame = true;
        else if (token.startsWith(QLatin1String("limit=")))
            b.options.blocklimit = toInt(token.mid(6));
        else
            qFatal("bad option in test: %s", qPrintable(token));
    }
}

inline MoveSlots makeSlots(const QString& amounts) {
    MoveSlots m;
    const QStringList tokens = amounts.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        const QStringList kv = token.split(QLatin1Char('='));
        if (kv.size() != 2) qFatal("bad slot in test: %s", qPrintable(token));
        const int v = toInt(kv[1]);
        const QString& k = kv[0];
        if (k == QLatin1String("d1"))
            m.die1 = v;
        else if (k == QLatin1String("d2"))
            m.die2 = v;
        else if (k == QLatin1String("x1"))
            m.double1 = v;
        else if (k == QLatin1String("x2"))
            m.double2 = v;
        else if (k == QLatin1String("b20a"))
            m.bonus20a = v;
        else if (k == QLatin1String("b20b"))
            m.bonus20b = v;
        else if (k == QLatin1String("b20c"))
            m.bonus20c = v;
        else if (k == QLatin1String("b10a"))
            m.bonus10a = v;
        else if (k == QLatin1String("b10b"))
            m.bonus10b = v;
        else if (k == QLatin1String("b10c"))
            m.bonus10c = v;
        else
            qFatal("bad slot in test: %s", qPrintable(token));
    }
    return m;
}

inline BoardState makeBoard(const QString& position, const QString& options = {},
                            const QString& amounts = {}) {
    BoardState b;
    place(b, position);
    setOptions(b, options);
    b.amounts = makeSlots(amounts);
    return b;
}

inline bool sameSlots(const MoveSlots& x, const MoveSlots& y) { return x == y; }

inline bool sameBoard(const BoardState& x, const BoardState& y) { return x == y; }

// One move request applied to the board the way the host applies it (see applyMove).
inline quadrino::AppliedMove applyMove(BoardState& b, int seat, int code, int pawn) {
    quadrino::SquareCounts counts(b);
    return quadrino::applyMove(b, counts, seat, code, pawn);
}

// The rule book's questions on a board counted afresh.
inline int landingOn(const BoardState& b, int seat, int pawn, int amount) {
    return quadrino::oktomove(b, quadrino::SquareCounts(b), seat, pawn, amount);
}
inline bool hasMove(const BoardState& b, int seat) {
    return quadrino::checkformoves(b, quadrino::SquareCounts(b), seat);
}

} // namespace rulestest
