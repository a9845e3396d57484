#pragma once
// Cross-section area and weight of a precast concrete pile, shared by the
// Hiley, Danish and Janbu calculators.
#include <optional>
#include <string>

namespace calc {

// A pile section from the catalogue (built in or the user's own) or one given
// for a single run: the area is taken from it instead of from the size D.
struct PileSection {
    std::string id;    // "I-26", "spun-400/65", the user's name
    std::string name;  // as shown: "ไอ 26×26"
    std::string size;  // as the D field shows it: "26×26"
    std::string area;  // cm², a number text with "." as its separator

    bool operator==(const PileSection&) const = default;
};

// The states of a tab's two exclusive check-box pairs, and the section that
// may stand instead of the square and round boxes.
struct PileBoxes {
    bool reinforced = false;   // "เสาเข็ม คสล."
    bool prestressed = false;  // "เสาเข็ม คอร."
    bool square = false;       // "หน้าตัดสี่เหลี่ยม"
    bool round = false;        // "หน้าตัดกลม"
    std::optional<PileSection> section = std::nullopt;  // in use: square and round are false

    bool complete() const { return (reinforced || prestressed) && (square || round || section); }
    bool operator==(const PileBoxes&) const = default;
};

// Area in cm² of a pile of size D cm: round(D², 2) for a square section,
// round(D² × 3.14159 / 4, 2) for a round one; evaluated in double.
double pileArea(float D, bool roundSection);

// Weight in t of a pile of area A cm² and length L m: round(A × 2.4 × L / 10000, 3)
// for reinforced concrete, 2.45 instead of 2.4 for prestressed; in double.
double pileWeight(float A, float L, bool prestressed);

}  // namespace calc
