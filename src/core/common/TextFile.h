// Whole-file line input/output and the comma/line field reader of the suite.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv {

/// The lines of a text file, without their CR LF or LF ends. A final line
/// without an end counts; a Ctrl-Z (0x1A) and everything after it is ignored.
/// An empty file gives no lines; a missing file gives an error naming it.
Result<std::vector<std::string>> ReadLines(const std::string& path);

/// Splits text content into lines by the same rules as ReadLines.
std::vector<std::string> SplitLines(const std::string& content);

/// Replaces the file with the lines, each followed by CR LF, atomically. A
/// line holding Ctrl-Z is refused and the file left as it was: every reader
/// would take it for the end of the file.
Status WriteLines(const std::string& path, const std::vector<std::string>& lines);

/// Reads text as fields separated by commas or line ends, as the suite's list
/// and record files are written:
/// - blanks and tabs around a field are dropped;
/// - a field in double quotes may hold commas and blanks and is taken without
///   the quotes (text after the closing quote up to the separator is dropped);
/// - an empty line gives one empty field;
/// - a comma at the end of a line ends the field before it only: the line end
///   that follows is not a further empty field, so "a,b," then a new line
///   reads as a, b and the next line's fields follow. Files written one entry
///   per line with a trailing comma read the same as without it.
/// At the end of the input next() gives "" and atEnd() is true.
class FieldReader {
public:
    explicit FieldReader(std::string content);

    /// True when no field is left.
    bool atEnd() const;
    /// The next field, "" at the end.
    std::string next();
    /// The next field as a 16-bit whole number (rounded, halves to even, as
    /// a BASIC integer input reads it).
    std::int16_t nextInt16();
    /// The next field as a number (its leading number, 0 when none).
    double nextNumber();

    /// True for the list end marker "******" and for an empty field.
    static bool IsListEnd(const std::string& field);

private:
    void skipBlanks();
    std::string content_;
    std::size_t pos_ = 0;
};

/// A field reader over the content of a file; an error naming the file when
/// it cannot be read.
Result<FieldReader> OpenFieldReader(const std::string& path);

}  // namespace qv
