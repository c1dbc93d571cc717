#include "Generator.h"
#include "Portraits.h"

#include <map>

namespace content {

namespace {

// Skin tones and joiners, so the rows below read as people.
#define LIGHT "\U0001F3FB"
#define FAIR "\U0001F3FC"
#define MEDIUM "\U0001F3FD"
#define TAN "\U0001F3FE"
#define DARK "\U0001F3FF"
#define ZWJ "\u200D"
#define MAN "\U0001F468"
#define WOMAN "\U0001F469"
#define MALE_SIGN ZWJ "\u2642\uFE0F"
#define FEMALE_SIGN ZWJ "\u2640\uFE0F"
#define CURLY ZWJ "\U0001F9B1"
#define RED_HAIR ZWJ "\U0001F9B0"
#define WHITE_HAIR ZWJ "\U0001F9B3"
#define BALD ZWJ "\U0001F9B2"
#define BEARD "\U0001F9D4"
#define BRIEFCASE "\U0001F4BC"

const std::map<std::string, std::vector<Sitter>>& Cast() {
    const Sex M = Sex::Male, F = Sex::Female, G = Sex::Group;
    static const std::map<std::string, std::vector<Sitter>> cast = {
        {"management",
         {{M, Bytes(118, 40, 38), MAN LIGHT ZWJ BRIEFCASE, "", "", "\U0001F4CB", "\U0001F454"},
          {F, Bytes(92, 50, 84), WOMAN MEDIUM ZWJ BRIEFCASE, "", "", "\U0001F4C8", "\U0001F4CB"}}},
        {"s_cook",
         {{M, Bytes(196, 120, 52), MAN LIGHT ZWJ "\U0001F373", "", "", "\U0001F373", ""},
          {M, Bytes(170, 74, 44), MAN TAN ZWJ "\U0001F373", "", "", "\U0001F958", "\U0001F52A"},
          {M, Bytes(150, 96, 40), MAN FAIR ZWJ "\U0001F373", "", "", "\U0001F377", "\U0001F35D"},
          {M, Bytes(120, 80, 52), MAN DARK ZWJ "\U0001F373", "", "", "@tray", "\U0001F956"}}},
        {"s_drinks",
         {{M, Bytes(70, 60, 110), BEARD LIGHT MALE_SIGN, "", "", "@shaker", "\U0001F378"},
          {M, Bytes(150, 70, 30), MAN TAN CURLY, "", "", "\U0001F379", "@shaker"}}},
        {"s_serve",
         {{M, Bytes(120, 34, 40), "\U0001F935" LIGHT MALE_SIGN, "", "", "\U0001F6CE\uFE0F",
           "\U0001F511"},
          {M, Bytes(52, 84, 64), "\U0001F935" TAN MALE_SIGN, "", "", "@tray", ""},
          {F, Bytes(150, 84, 60), "\U0001F935" FAIR FEMALE_SIGN, "", "", "@tray", "\U0001F377"},
          {F, Bytes(86, 58, 110), "\U0001F935" DARK FEMALE_SIGN, "", "", "\U0001F37D\uFE0F",
           "\U0001F942"}}},
        {"s_clean",
         {{M, Bytes(60, 104, 120), MAN FAIR, "", "", "@mop", "\U0001FAA3"},
          {M, Bytes(96, 110, 60), MAN MEDIUM WHITE_HAIR, "", "", "@mop", "\U0001F9FD"}}},
        {"s_dance",
         {{M, Bytes(56, 40, 110), MAN LIGHT CURLY, "", "", "\U0001F3A7", "\U0001F4BF"},
          {M, Bytes(110, 30, 90), MAN DARK, "", "", "\U0001F3A7", "\U0001F39B\uFE0F"},
          {F, Bytes(140, 40, 110), "\U0001F483" FAIR, "", WOMAN FAIR, "\U0001FAA9", ""},
          {F, Bytes(40, 70, 120), "\U0001F483" TAN, "", WOMAN TAN CURLY, "\U0001FAA9", "\u2728"}}},
        {"s_entertain",
         {{F, Bytes(150, 60, 70), "\U0001F483" LIGHT, "", WOMAN LIGHT, "\U0001F339", "\u2728"},
          {M, Bytes(70, 50, 120), "\U0001F57A" MEDIUM, "", MAN MEDIUM, "\u2728", "\U0001F3B5"},
          {M, Bytes(120, 70, 40), MAN FAIR ZWJ "\U0001F3A4", "", "", "\U0001F3B8", "\U0001F3B6"},
          {M, Bytes(40, 80, 100), MAN DARK ZWJ "\U0001F3A4", "", "", "\U0001F3B7", "\U0001F3B5"},
          {F, Bytes(130, 40, 60), WOMAN LIGHT ZWJ "\U0001F3A4", "", "", "\U0001F3A4", "\U0001F3B6"},
          {F, Bytes(100, 40, 100), WOMAN TAN CURLY, "", "", "\U0001F3A4", "\U0001F31F"}}},
        {"s_bargirl",
         {{F, Bytes(150, 40, 70), WOMAN LIGHT RED_HAIR, "", "", "\U0001F339", "\U0001FAB6"},
          {F, Bytes(110, 36, 80), "\U0001F471" MEDIUM FEMALE_SIGN, "", "", "\U0001FAAD",
           "\U0001F484"}}},
        {"s_secure",
         {{M, Bytes(44, 56, 80), MAN LIGHT BALD, "", "", "@badge", "\U0001F526"},
          {M, Bytes(60, 52, 48), BEARD TAN MALE_SIGN, "", "", "@badge", "\U0001F576\uFE0F"}}},
        {"offers",
         {{M, Bytes(40, 80, 70), MAN TAN ZWJ BRIEFCASE, "", "", "\U0001F3E6", "\U0001F4B5"},
          {M, Bytes(40, 60, 90), BEARD LIGHT MALE_SIGN, "", "", "\U0001F988", "\U0001F4B0"},
          {F, Bytes(130, 80, 50), WOMAN FAIR ZWJ BRIEFCASE, "", "", "\U0001F3E0", "\U0001F511"},
          {M, Bytes(110, 50, 60), MAN LIGHT, "", "", "\U0001F37D\uFE0F", "\U0001F942"},
          {M, Bytes(150, 100, 30), "\U0001F477" MEDIUM MALE_SIGN, "", "", "\U0001F527",
           "\U0001F528"},
          {M, Bytes(50, 70, 110), MAN DARK ZWJ "\U0001F527", "", "", "\U0001F50A", "\U0001F4A1"},
          {M, Bytes(140, 60, 40), MAN LIGHT ZWJ "\U0001F3A8", "", "", "\U0001F4E3", "\U0001F4F0"},
          {F, Bytes(100, 40, 90), WOMAN TAN ZWJ BRIEFCASE, "", "", "\U0001F3AD",
           "\U0001F39F\uFE0F"},
          {M, Bytes(50, 50, 60), "\U0001F575" LIGHT MALE_SIGN, "", "", "\U0001F4F9", ""},
          {M, Bytes(90, 70, 50), BEARD MEDIUM MALE_SIGN, "", "", BRIEFCASE, "\U0001F4E6"},
          {M, Bytes(70, 50, 70), MAN FAIR BALD, "", "", BRIEFCASE, "\U0001F48A"},
          {M, Bytes(120, 30, 50), MAN DARK, "", "", BRIEFCASE, "\U0001F339"},
          {M, Bytes(36, 50, 100), "\U0001F46E" FAIR MALE_SIGN, "", "", "@badge", "\U0001F693"},
          {M, Bytes(110, 84, 50), MAN MEDIUM, "", "", "\U0001F4E6", "\U0001F69A"}}},
        {"visitors",
         {{G, Bytes(150, 50, 110), "\U0001F466" LIGHT, "\U0001F467" MEDIUM, "", "\U0001F389",
           "\U0001F964", "\U0001F973"},
          {G, Bytes(140, 60, 70), "\U0001F491" MEDIUM, "", "", "\U0001F56F\uFE0F", "\U0001F377",
           "\U0001F970"},
          {G, Bytes(40, 40, 70), "\U0001F935" LIGHT, "\U0001F478" FAIR, "", "\U0001F37E",
           "\U0001F48E", "\U0001F60E"},
          {G, Bytes(100, 90, 80), "\U0001F9D3" MEDIUM, "\U0001F474" LIGHT, "", "\U0001FA99", "",
           "\U0001F61F"},
          {G, Bytes(120, 60, 40), MAN LIGHT WHITE_HAIR, WOMAN FAIR, "", "\U0001F99E", "\U0001F377",
           "\U0001F9D0"},
          {G, Bytes(40, 90, 100), WOMAN MEDIUM, MAN LIGHT, "", "\U0001F378", "\U0001F379",
           "\U0001F60B"},
          {G, Bytes(90, 40, 120), "\U0001F483" LIGHT, "\U0001F57A" TAN, "", "\U0001FAA9", "",
           "\U0001F606"},
          {G, Bytes(150, 40, 40), "\U0001F9D1" LIGHT, WOMAN DARK, "", "\U0001F3AD", "\U0001F37F",
           "\U0001F929"},
          {G, Bytes(110, 80, 30), BEARD FAIR, "\U0001F9D4" TAN, "", "\U0001F37A", "", "\U0001F974"},
          {G, Bytes(50, 110, 80), "\U0001F9D2" MEDIUM, "\U0001F466" FAIR, "", "\U0001F6F9",
           "\U0001F4F1", "\U0001F61C"},
          {G, Bytes(80, 30, 30), "\U0001F9D1" LIGHT ZWJ "\U0001F3A4", "\U0001F466" DARK, "",
           "\U0001F4E2", "\U0001F918", "\U0001F624"}}},
    };
    return cast;
}

} // namespace

const std::vector<Sitter>& CastOf(const std::string& strip) {
    auto it = Cast().find(strip);
    if (it == Cast().end()) throw ContentError("no cast for the strip " + strip);
    return it->second;
}

} // namespace content
