// The punch shape letters: their names and which sizes each one shows.
#pragma once

#include <string>

namespace qv {

/// How a shape's sizes make its dimension text: parts in order, each a size
/// index (1..4) with the separator written before it.
struct ShapePart {
    int size;         // 1..4
    char separator;   // '\0' for the first part, else 'x', 'r' or 'w'
    bool absolute;    // shown as its absolute value (Keyway width)
};

struct ShapeInfo {
    char letter;
    const char* listName;    // as the shape list shows it
    const char* paddedName;  // 10 characters, stored in Description
    int partCount;
    ShapePart parts[3];
};

/// The entry for a punch shape letter ("A" to "M", "S"), nullptr otherwise.
/// Exact comparison: lower-case letters are not shapes.
const ShapeInfo* FindShape(char letter);

/// True for "A" to "M" and "S".
bool IsPunchShape(char letter);

/// "ABCDEFGHIJKLMS": the punch shapes in shape-list order.
const std::string& PunchShapeLetters();

/// The padded name ("Diameter  "); "Undefined   " (12 characters) for any
/// other letter.
std::string ShapeName(char letter);

/// The name as the shape list shows it ("Diameter"); "" for any other letter.
std::string ShapeListName(char letter);

}  // namespace qv
