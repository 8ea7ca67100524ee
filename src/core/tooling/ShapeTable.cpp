// The punch shape letters: their names and which sizes each one shows.
#include "core/tooling/ShapeTable.h"

namespace qv {
namespace {
// Dimension patterns: s1; s1 "x" s2; s1 "r" s4; ... as the lists show them.
constexpr ShapePart S1{1, '\0', false};
constexpr ShapePart X2{2, 'x', false};
constexpr ShapePart R4{4, 'r', false};
constexpr ShapePart W3{3, 'w', false};
constexpr ShapePart W3Abs{3, 'w', true};
constexpr ShapePart None{0, '\0', false};

constexpr ShapeInfo Shapes[] = {
    {'A', "Diameter", "Diameter  ", 1, {S1, None, None}},
    {'B', "Square", "Square    ", 1, {S1, None, None}},
    {'C', "Rad-Square", "Rad-Square", 2, {S1, R4, None}},
    {'D', "Rectangle", "Rectangle ", 2, {S1, X2, None}},
    {'E', "Rad-Rect", "Rad-Rect  ", 3, {S1, X2, R4}},
    {'F', "Obround", "Obround   ", 2, {S1, X2, None}},
    {'G', "Single-D", "Single-D  ", 2, {S1, X2, None}},
    {'H', "Double-D", "Double-D  ", 2, {S1, X2, None}},
    {'I', "Cannon-D", "Cannon-D  ", 2, {S1, X2, None}},
    {'J', "Hexagon", "Hexagon   ", 1, {S1, None, None}},
    {'K', "Keyway", "Keyway    ", 3, {S1, X2, W3Abs}},
    {'L', "Louvre", "Louvre    ", 2, {S1, X2, None}},
    {'M', "Cruciform", "Cruciform ", 3, {S1, W3, R4}},
    {'S', "Special", "Special   ", 0, {None, None, None}},
};

const char* const UndefinedName = "Undefined   ";
}  // namespace

const ShapeInfo* FindShape(char letter) {
    for (const ShapeInfo& shape : Shapes) {
        if (shape.letter == letter) return &shape;
    }
    return nullptr;
}

bool IsPunchShape(char letter) { return FindShape(letter) != nullptr; }

const std::string& PunchShapeLetters() {
    static const std::string letters = [] {
        std::string all;
        for (const ShapeInfo& shape : Shapes) all += shape.letter;
        return all;
    }();
    return letters;
}

std::string ShapeName(char letter) {
    const ShapeInfo* shape = FindShape(letter);
    return shape ? shape->paddedName : UndefinedName;
}

std::string ShapeListName(char letter) {
    const ShapeInfo* shape = FindShape(letter);
    return shape ? shape->listName : "";
}

}  // namespace qv
