// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a save cut short leaves beside the tally file, dealt with at the next start.
//
// Every save writes the whole new file under a temporary name beside the tally and then
// renames it over the old one, so an interrupted save leaves the old tally whole plus the
// temporary. Two writers name them: the tally window's save ("<tally>." and six letters or
// digits) and the settings layer's atomic copy that carries a tally into the user's folder
// ("." "<tally>." and six letters or digits). Nothing else is ever taken for one of ours.
#include <filesystem>
#include <string_view>
#include <vector>

namespace quadrino {

// Whether `name` (a bare file name) is a temporary name of a save of `tallyName`.
bool isTallyTemporaryName(std::string_view name, std::string_view tallyName);

struct TallyLeftovers {
    // The temporary that became the tally file; empty when none did.
    std::filesystem::path recovered;
    std::vector<std::filesystem::path> removed;
    // Whole tallies left alone beside an existing tally: the later save of a run killed just
    // before its rename, or a copy the user made under a name like ours. Neither is ours to
    // delete.
    std::vector<std::filesystem::path> kept;
};

// Run before the tally is read. When the tally file is missing, the newest temporary that
// holds a whole, readable tally takes its place. Temporaries that hold no readable tally are
// removed. Anything that cannot be read, or is no plain file, is left alone.
TallyLeftovers tidyTallyLeftovers(const std::filesystem::path& tallyFile);

} // namespace quadrino
