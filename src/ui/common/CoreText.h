// Where core's text meets the windows. The suite's files, and so core, hold
// 8-bit Windows text (code page 1252); Qt holds Unicode. Every window turns
// one into the other here and nowhere else.
#pragma once

#include <QString>
#include <string>

namespace qv::ui {

/// Core's bytes as Qt text, each byte one character of code page 1252. The
/// five bytes the code page leaves undefined become the control characters
/// of the same number, as Windows maps them, so they come back unchanged.
QString FromCore(const std::string& bytes);

/// Qt text as core's bytes, one byte per character; a character code page
/// 1252 cannot hold becomes "?".
std::string ToCore(const QString& text);

}  // namespace qv::ui
