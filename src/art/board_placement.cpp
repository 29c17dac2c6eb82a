// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/board_placement.h"

#include <array>

#include "art/board_geometry.h"
#include "rules/game_options.h"

namespace quadrino::placement {

namespace {

constexpr const char* kSide = "panel_board";
constexpr const char* kBoard = "panel_theboard";

std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }
std::size_t idx(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

std::vector<Placement> build() {
    std::vector<Placement> rows;
    auto add = [&rows](std::string name, const char* parent, QRect rect, Layer layer = Layer::Control,
                       const char* stack = "", Owner owner = Owner::Table) {
        rows.push_back({std::move(name), parent, rect, layer, stack, owner});
    };
    using L = Layer;
    constexpr std::array<int, 4> seats = {1, 2, 3, 4};

    add(kBoard, kSide, {4, 4, 505, 505});
    add("theboard", kBoard, QRect(geometry::boardOrigin(), geometry::kBoardSize), L::Backdrop);
    for (int s : seats)
        add(s == 1 ? std::string("image_Turn1") : numbered("image_turn", s), kBoard,
            QRect(geometry::turnHighlightSpot(s), QSize(171, 169)), L::Backdrop);
    add("image_x3", kBoard, {354, 87, 49, 31});
    add("image_x4", kBoard, {104, 385, 49, 31});
    constexpr std::array<QPoint, 4> team = {{{128, 156}, {333, 332}, {333, 156}, {128, 332}}};
    for (int s : seats) add(numbered("label_team", s), kBoard, QRect(team[idx(s)], QSize(56, 15)));
    constexpr std::array<QPoint, 4> names = {{{13, 13}, {335, 471}, {335, 13}, {13, 471}}};
    for (int s : seats) add(numbered("label_playername", s), kBoard, QRect(names[idx(s)], QSize(158, 19)));
    constexpr std::array<QPoint, 4> eyes = {{{13, 34}, {455, 451}, {455, 34}, {13, 451}}};
    for (int s : seats) add(numbered("image_eyes", s), kBoard, QRect(eyes[idx(s)], QSize(37, 17)));
    for (int s : seats)
        for (int p : seats)
            add("piece_" + std::to_string(s) + std::to_string(p), kBoard,
                QRect(geometry::nestSpot(s, p), geometry::kPawnSize), L::Moving);
    constexpr std::array<QPoint, 4> winners = {{{40, 32}, {336, 392}, {360, 83}, {8, 336}}};
    for (int s : seats) add(numbered("image_winner", s), kBoard, QRect(winners[idx(s)], QSize(133, 77)), L::Overlay);
    for (int d : {1, 2}) add(numbered("dice_", d), kBoard, QRect(geometry::initialDiceSpot(d), QSize(32, 32)), L::Moving);
    // Of markers on one square the click takes the top one: the lowest die code, and the
    // bonus markers above the dice markers.
    for (int code : {7, 6, 5, 4, 3, 2, 1, 8, 9, 10, 12, 11}) add(numbered("piece_gray", code), kBoard, {0, 0, 51, 22}, L::Moving);
    add("image_bonus3", kBoard, {235, 269, 32, 32});
    add("image_bonus4", kBoard, {201, 269, 32, 32});
    // Up to three tokens of each bonus, stacked 8 pixels apart: the 20s upwards, the 10s down.
    constexpr std::array<int, 3> bonus20 = {1, 5, 6};
    constexpr std::array<int, 3> bonus10 = {2, 7, 8};
    for (std::size_t i = 0; i < bonus20.size(); ++i) {
        const int step = 8 * static_cast<int>(i);
        add(numbered("image_bonus", bonus20[i]), kBoard, {268, 271 - step, 32, 28}, L::Control, "bonus20");
        add(numbered("image_bonus", bonus10[i]), kBoard, {269, 202 + step, 32, 28}, L::Control, "bonus10");
    }
    add("button_start", kBoard, {199, 224, 108, 52}, L::Overlay);
    constexpr std::array<QPoint, 4> pass = {{{13, 132}, {439, 335}, {440, 132}, {13, 340}}};
    for (int s : seats) add(numbered("button_pass", s), kBoard, QRect(pass[idx(s)], QSize(51, 34)));
    add("animated_warning", kBoard, {184, 464, 100, 12}, L::Moving);
    add("panel_error", kBoard, {68, 195, 353, 97}, L::Overlay);
    // The close box sits in the corner of the message.
    add("label_error", "panel_error", {8, 8, 337, 81}, L::Control, "error");
    add("Image3", "panel_error", {331, 6, 16, 16}, L::Control, "error");

    add("panel_bottakeover", kSide, {72, 208, 353, 97}, L::Overlay);
    add("Label1", "panel_bottakeover", {8, 10, 337, 20});
    add("label_bottakeover", "panel_bottakeover", {8, 33, 337, 20});
    add("button_yes", "panel_bottakeover", {88, 62, 75, 25});
    add("button_no", "panel_bottakeover", {190, 62, 75, 25});
    add("Image2", kSide, {522, 0, 244, 42});
    add("Image1", kSide, {548, 46, 195, 112}, L::Backdrop);
    // Top to bottom the bars follow the seats clockwise round the board: 1, 3, 2, 4. Each is
    // as wide as a full bar here; the game narrows it.
    constexpr std::array<int, 4> barTops = {58, 106, 82, 130};
    for (int s : seats) add(numbered("image_progress", s), kSide, {585, barTops[idx(s)], 150, 17});
    // The rule labels' own rectangles touch each other by a few pixels; their text does not.
    for (const GameOptionRow& r : kGameOptions)
        if (!r.label.empty())
            add(std::string(r.label), kSide, {r.place.x, r.place.y, r.place.width, r.place.height}, L::Control, "rules");
    add("label_log", kSide, {511, 211, 267, 19});
    add("label_status", kSide, {511, 232, 267, 19});

    constexpr std::array<int, 10> phraseLefts = {512, 539, 566, 592, 619, 646, 672, 699, 726, 752};
    for (int n = 1; n <= 10; ++n)
        add(numbered("b_phrase", n), kSide, {phraseLefts[idx(n)], 252, 25, 19},
            L::Control, "", Owner::Chat);
    add("FlatPanel1", kSide, {512, 273, 264, 211}, L::Control, "", Owner::Chat);
    add("mainchat", "FlatPanel1", {2, 2, 260, 207}, L::Control, "", Owner::Chat);
    add("mychat", kSide, {511, 487, 234, 22}, L::Control, "", Owner::Chat);
    add("button_smilies", kSide, {750, 489, 25, 19}, L::Control, "", Owner::Chat);
    return rows;
}

} // namespace

const std::vector<Placement>& placements() {
    static const std::vector<Placement> rows = build();
    return rows;
}

const Placement* find(std::string_view name) {
    for (const Placement& row : placements())
        if (row.name == name) return &row;
    return nullptr;
}

QRect rectOf(std::string_view name) {
    const Placement* row = find(name);
    return row != nullptr ? row->rect : QRect();
}

} // namespace quadrino::placement
