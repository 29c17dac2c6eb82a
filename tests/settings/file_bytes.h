// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files as bytes, for the settings tests that write files by hand and compare them byte
// for byte.
#include <filesystem>
#include <fstream>
#include <string>

namespace quadrino::testing {

inline std::string fileBytes(const std::filesystem::path& p) {
    std::error_code ec;
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(p, ec)), '\0');
    std::ifstream in(p, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return ec ? std::string() : bytes;
}

inline void putFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace quadrino::testing
