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

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/board_rules.h"
#include "host/random.h"

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

struct Applied {
    int landing = 0;    // 0 = refused
    bool moves = false; // the moves flag, taken before a captured pawn goes back
};

// The board side of applying one move request, in the host's order: check and commit the
// move, move the pawn, spend the amount, award the home bonus, take the moves flag, and
// only then send a captured pawn back.
inline Applied applyMove(BoardState& b, int seat, int code, int pawn) {
    Applied r;
    b.sendseat = 0;
    b.sendpawn = 0;
    const int amount = quadrino::amountOfCode(b.amounts, code).value_or(0);
    if (amount == 0) return r;
    r.landing = quadrino::oktomove(b, seat, pawn, amount, true);
    if (r.landing == 0) return r;
    auto& me = b.seats[seat];
    me.pawnsquare[pawn] = r.landing;
    quadrino::spendCode(b.amounts, code);
    if (r.landing == quadrino::homeSquareOf(seat)) quadrino::awardHomeBonus(b.amounts);
    r.moves = quadrino::checkformoves(b, seat);
    if (b.sendseat != 0) {
        auto& victim = b.seats[b.sendseat];
        victim.pawnsquare[b.sendpawn] = 0;
        b.sendseat = 0;
        b.sendpawn = 0;
    }
    return r;
}

// A position nobody would write by hand: pawns anywhere on their paths, now and then on a
// square no rule expects (another seat's track end, off the board), random options, block
// records and amounts, including amounts no roll gives.
inline BoardState randomBoard(quadrino::Random& r) {
    auto pick = [&r](int n) { return static_cast<int>(r.below(static_cast<std::uint32_t>(n))); };
    BoardState b;
    b.options = {pick(2) == 1, pick(2) == 1, pick(3) != 0, pick(3) != 0, pick(2) == 1, true, pick(5)};
    for (int seat = 1; seat <= quadrino::kSeatCount; ++seat)
        for (int pawn = 1; pawn <= quadrino::kPawnCount; ++pawn) {
            int& square = b.seats[seat].pawnsquare[pawn];
            const int kind = pick(20);
            if (kind < 6)
                square = 0;
            else if (kind < 8)
                square = quadrino::homeSquareOf(seat);
            else if (kind < 18)
                square = quadrino::squareAhead(seat, quadrino::startSquareOf(seat), pick(quadrino::kPathLength));
            else if (kind < 19)
                square = 1 + pick(100);
            else
                square = std::array{-1, 101, 150}[static_cast<std::size_t>(pick(3))];
            b.seats[seat].blockpartner[pawn] = pick(3) == 0 ? pick(5) : 0;
            b.seats[seat].blockturns[pawn] = pick(4);
        }
    auto maybe = [&](int value) { return pick(3) == 0 ? value : 0; };
    MoveSlots& m = b.amounts;
    m.die1 = pick(4) == 0 ? 0 : 1 + pick(6);
    m.die2 = pick(4) == 0 ? 0 : 1 + pick(6);
    m.double1 = maybe(m.die1);
    m.double2 = maybe(m.die1);
    m.bonus20a = maybe(20);
    m.bonus20b = maybe(20);
    m.bonus10a = maybe(10);
    m.bonus10c = maybe(10);
    m.bonus20c = pick(10) == 0 ? 33 + pick(8) : 0;
    return b;
}

} // namespace rulestest
