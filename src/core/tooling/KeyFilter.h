// The keystroke filter every name, number and pattern box applies.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;

/// Filter modes of the entry boxes; any positive mode N limits to N characters.
constexpr std::int16_t FilterName = -32;      // directory and file names
constexpr std::int16_t FilterSubName = -321;  // sub-routine names
constexpr std::int16_t FilterPattern = -322;  // import patterns (adds * and ?)

/// Returns keyCode when the box may take it, 0 when it is refused. text is the
/// box's current text (trimmed here), selectionLength the number of selected
/// characters. A refusal beeps.
int FilterKey(int keyCode, std::int16_t mode, const std::string& text, int selectionLength);

/// As FilterKey, without the beep: whether the key is accepted.
bool KeyAccepted(int keyCode, std::int16_t mode, const std::string& text, int selectionLength);

/// The module-wide mode that the file-management windows set before filtering.
std::int16_t& KeyFilterMode();

}  // namespace qv
