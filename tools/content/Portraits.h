// The people and visitor groups of the portrait strips: which glyphs and props make each
// frame, and the card colour that sets it apart from its neighbours.
#pragma once

#include "Art.h"

#include <string>
#include <vector>

namespace content {

// A prop is an emoji, or one of the props drawn here by name: "@shaker", "@tray", "@mop",
// "@badge".
struct Sitter {
    Sex Gender;
    Rgb Card;                 // background of the card
    std::string Person;       // the portrait's main glyph
    std::string Person2 = ""; // a second person for groups, or empty
    std::string Face = "";    // the icon's glyph when it differs from Person
    std::string Prop1 = "";   // large, bottom right
    std::string Prop2 = "";   // smaller, bottom left, or empty
    std::string Mood = "";    // visitors: a face in the top corner and on the icon
};

// The frames of a strip, in frame order; throws ContentError for an unknown strip.
const std::vector<Sitter>& CastOf(const std::string& strip);

} // namespace content
