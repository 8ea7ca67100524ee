// ASCII case folding: the one rule behind every case-blind comparison.
#pragma once

#include <string>

namespace qv::platform {

/// Upper-cases ASCII letters only; other bytes (UTF-8 included) are kept, so
/// names differing in non-ASCII letters never compare equal.
inline char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string FoldCase(const std::string& text);
bool EqualCaseBlind(const std::string& a, const std::string& b);
/// Order of listings: case-blind, names equal but for case in byte order so
/// that the order is total.
bool LessCaseBlind(const std::string& a, const std::string& b);

}  // namespace qv::platform
