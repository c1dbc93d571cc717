// The character descriptions, the service table, the visitor categories and the
// region-trait texts.
#include "model/Tables.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "model/Text.h"

#include <cstring>

namespace {

struct ProfessionRow {
    const char* Title;
    const char* Picture;
    int32_t PictureIndex;
    uint8_t Male;
    uint8_t Role;
    uint8_t SecondRole;
    double Skill;
    double SecondSkill;
    int32_t Legality;
};

struct ContactRow {
    const char* FixedName;
    const char* Title;
    int32_t PictureIndex;
    uint8_t Male;
    uint8_t Role;
};

// Their order fixes every Id: the row's position plus 1.
const ProfessionRow ProfessionRows[] = {
    {"Manager", "management", 0, 1, skManagement, skUnassigned, 0.8, 0, 0},            // 1
    {"Manager", "management", 1, 0, skManagement, skUnassigned, 0.4, 0, 0},            // 2
    {"Chef", "s_cook", 0, 1, skCooking, skUnassigned, 0.6, 0, 0},                      // 3
    {"Chef", "s_cook", 1, 1, skCooking, skUnassigned, 0.8, 0, 0},                      // 4
    {"Chef", "s_cook", 2, 1, skCooking, skDrinks, 0.3, 0.2, 0},                        // 5
    {"Chef", "s_cook", 3, 1, skCooking, skServing, 0.3, 0.2, 0},                       // 6
    {"Barman", "s_drinks", 0, 1, skDrinks, skUnassigned, 0.8, 0, 0},                   // 7
    {"Barman", "s_drinks", 1, 1, skDrinks, skServing, 0.4, 0.2, 0},                    // 8
    {"Valet", "s_serve", 0, 1, skServing, skCleanness, 0.6, 0.2, 0},                   // 9
    {"Waiter", "s_serve", 1, 1, skServing, skSecurity, 0.4, 0.2, 0},                   // 10
    {"Waiter", "s_serve", 2, 0, skServing, skUnassigned, 0.6, 0, 0},                   // 11
    {"Waiter", "s_serve", 3, 0, skServing, skUnassigned, 0.8, 0, 0},                   // 12
    {"Cleaner", "s_clean", 0, 1, skCleanness, skUnassigned, 0.8, 0, 0},                // 13
    {"Cleaner", "s_clean", 1, 1, skCleanness, skUnassigned, 0.4, 0, 0},                // 14
    {"DJ", "s_dance", 0, 1, skDanceFloor, skUnassigned, 0.8, 0, 0},                    // 15
    {"DJ", "s_dance", 1, 1, skDanceFloor, skUnassigned, 0.4, 0, 0},                    // 16
    {"Go-Go Dancer", "s_dance", 2, 0, skDanceFloor, skEntertainment, 0.4, 0.2, 0},     // 17
    {"Go-Go Dancer", "s_dance", 3, 0, skDanceFloor, skEntertainment, 0.4, 0.4, 0},     // 18
    {"Dancer", "s_entertain", 0, 0, skEntertainment, skDanceFloor, 0.4, 0.2, 0},       // 19
    {"Dancer", "s_entertain", 1, 1, skEntertainment, skUnassigned, 0.6, 0, 0},         // 20
    {"Musician", "s_entertain", 2, 1, skEntertainment, skDanceFloor, 0.2, 0.2, 0},     // 21
    {"Musician", "s_entertain", 3, 1, skEntertainment, skUnassigned, 0.4, 0, 0},       // 22
    {"Singer", "s_entertain", 4, 0, skEntertainment, skDanceFloor, 0.6, 0.2, 0},       // 23
    {"Singer", "s_entertain", 5, 0, skEntertainment, skUnassigned, 0.8, 0, 0},         // 24
    {"Strip Dancer", "s_bargirl", 0, 0, skEntertainment, skStriptease, 0.4, 0.6, -40}, // 25
    {"Strip Dancer", "s_bargirl", 1, 0, skEntertainment, skStriptease, 0.8, 0.3, -20}, // 26
    {"Security Guard", "s_secure", 0, 1, skSecurity, skUnassigned, 0.8, 0, 0},         // 27
    {"Security Guard", "s_secure", 1, 1, skSecurity, skUnassigned, 0.4, 0, 0},         // 28
    {"Agent", "offers", 9, 1, skAgent, skContrabandSelling, 0, 0.4, -30},              // 29
    {"Agent", "offers", 9, 1, skAgent, skContrabandSelling, 0, 0.8, -60},              // 30
    {"Agent", "offers", 10, 1, skAgent, skDrugSelling, 0, 0.4, -50},                   // 31
    {"Agent", "offers", 10, 1, skAgent, skDrugSelling, 0, 0.8, -100},                  // 32
    {"Agent", "offers", 11, 1, skAgent, skPandering, 0, 0.4, -40},                     // 33
    {"Agent", "offers", 11, 1, skAgent, skPandering, 0, 0.8, -80},                     // 34
};
// Contacts all share the portrait strip "offers".
const ContactRow ContactRows[] = {
    {"Susane", "Real Estate Agent", 2, 0, 17},  // 35
    {"Gregory", "Advertising Agent", 6, 1, 22}, // 36
    {"Beatrice", "Show Agent", 7, 0, 23},       // 37
    {"Rene", "General Supplier", 13, 1, 18},    // 38
    {"Alex", "Tableware Supplier", 3, 1, 20},   // 39
    {"Ivan", "Repair Agent", 4, 1, 19},         // 40
    {"Milek", "Equipment Supplier", 5, 1, 21},  // 41
    {"Leroy", "Bank Official", 0, 1, 15},       // 42
    {"Carlos", "Loan Shark", 1, 1, 16},         // 43
    {"Vlad", "Supervision Agent", 8, 1, 24},    // 44
    {"Andres", "Police Official", 12, 1, 25},   // 45
};

struct VisitorRow {
    const char* Name;
    int32_t Spending;
    int32_t SecurityEffect;
    // Cooking, Drinks, Serving, Cleanness, Dance Floor, Entertainment.
    int32_t Demand[6];
};

const VisitorRow VisitorRows[VisitorTypeCount] = {
    {"(Unassigned)", 0, 0, {0, 0, 0, 0, 0, 0}},             // 0
    {"Party Teens", 30, 0, {0, 50, 40, 40, 50, 0}},         // 1
    {"Placid Couples", 30, 0, {50, 0, 40, 40, 0, 50}},      // 2
    {"VIPs", 300, 0, {20, 20, 100, 100, 20, 20}},           // 3
    {"Hard Up Visitors", 4, -25, {20, 20, 20, 20, 20, 20}}, // 4
    {"Gourmets", 60, 0, {100, 0, 30, 30, 0, 0}},            // 5
    {"Cocktail Lovers", 40, 0, {0, 100, 30, 30, 0, 0}},     // 6
    {"Restless Dancers", 40, 0, {0, 0, 30, 30, 100, 0}},    // 7
    {"Show Fiends", 40, 0, {0, 0, 30, 30, 0, 100}},         // 8
    {"Drunkards", 15, -80, {0, 50, 0, 0, 0, 0}},            // 9
    {"Bustling Teens", 15, -80, {0, 0, 0, 0, 50, 0}},       // 10
    {"Racketing Youth", 15, -80, {35, 0, 0, 0, 0, 35}},     // 11
};

struct TraitRow {
    const char* Favourable;
    const char* Unfavourable;
};

const TraitRow TraitRows[] = {
    {"People living here tend to spend more than usual. Profit from visitors increased by 25%.",
     "You'll encounter a severe price competition in this region. Profit from visitors decreased "
     "by 25%."}, // 1
    {"Your agents earn 25% more in this area because of high demand for their services.",
     "Your agents earn 25% less due to severe competition in this region."}, // 2
    {"Working here inclines to accuracy and self-discipline. Management value is increased.",
     "Local atmosphere disposes to laziness. Management value is decreased."}, // 3
    {"The region is quite serene and peaceful. Security value is raised.",
     "The region is quite unstable. Security value is lowered."}, // 4
    {"Law enforcers shut their eyes to minor offence against law. Legality value is improved.",
     "Police wrings bribes out of the business. Legality value is lowered."}, // 5
    {"People got used to pay much for the entry. They'd hardly leave because of high admission "
     "fee.",
     "People used to enjoy a free admission. They'd rather leave if you raise the admission "
     "fee."}, // 6
    {"It's not usual for local workers to cheat. Losses to deceivers are halved.",
     "Workers here tend to steal more than elsewhere. Losses to deceivers are raise by half."}, // 7
    {"Labor force is cheaper in this region. You spend 25% less for salary.",
     "Workers demand higher salary in this region. You spend 25% more for salary."}, // 8
    {"People here used to live in modest conditions. Visitor's satisfaction is higher than usual.",
     "People here demand luxury conditions. Visitor's satisfaction is lower than usual."}, // 9
};

const char* const ServiceNames[14] = {
    "(Unassigned)", "Management",         "Cooking",       "Drinks",   "Serving",
    "Cleanness",    "Dance Floor",        "Entertainment", "Security", "Agent",
    "Striptease",   "Contraband Selling", "Drug Selling",  "Pandering"};

bool AppendCharDescr(CharDescr& d) {
    if (GameState.CharDescrCount() >= MaxCharDescrs) {
        ReportModelError("Cannot add new character descriptions. The limit is reached.");
        return false;
    }
    d.Id = GameState.CharDescrCount() + 1;
    GameState.CharDescrs.push_back(d);
    return true;
}

CharDescr ZeroDescr() {
    CharDescr d;
    std::memset(&d, 0, sizeof d);
    return d;
}

} // namespace

bool AddProfessionDescr(const char* title, const char* picture, int32_t pictureIndex, bool male,
                        uint8_t role, uint8_t secondRole, double skill, double secondSkill,
                        int32_t legality) {
    CharDescr d = ZeroDescr();
    d.IsProfession = 1;
    CopyText(d.Title, title);
    CopyText(d.Picture, picture);
    d.PictureIndex = pictureIndex;
    d.Male = male ? 1 : 0;
    d.Role = role;
    d.SecondRole = secondRole;
    d.Skill = skill;
    d.SecondSkill = secondSkill;
    d.Legality = legality;
    return AppendCharDescr(d);
}

bool AddContactDescr(const char* fixedName, const char* title, const char* picture,
                     int32_t pictureIndex, bool male, uint8_t role) {
    CharDescr d = ZeroDescr();
    d.IsProfession = 0;
    CopyText(d.FixedName, fixedName);
    CopyText(d.Title, title);
    CopyText(d.Picture, picture);
    d.PictureIndex = pictureIndex;
    d.Male = male ? 1 : 0;
    d.Role = role;
    return AppendCharDescr(d);
}

void BuildCharDescrs() {
    GameState.CharDescrs.clear();
    for (const ProfessionRow& r : ProfessionRows)
        AddProfessionDescr(r.Title, r.Picture, r.PictureIndex, r.Male != 0, r.Role, r.SecondRole,
                           r.Skill, r.SecondSkill, r.Legality);
    for (const ContactRow& r : ContactRows)
        AddContactDescr(r.FixedName, r.Title, "offers", r.PictureIndex, r.Male != 0, r.Role);
}

void BuildServices() {
    for (int k = 0; k < ServiceKindCount; ++k) {
        ServiceDescr& s = GameState.Services[k];
        std::memset(&s, 0, sizeof s);
        s.Kind = static_cast<uint8_t>(k);
        CopyText(s.Name, k < 14 ? ServiceNames[k] : "");
        CopyText(s.Description, "");
        s.Rated = (k >= skCooking && k <= skEntertainment) ? 1 : 0;
    }
}

VisitorDescr GetVisitorDescrByEnum(int type) {
    VisitorDescr v;
    v.Type = type;
    if (type < 0 || type >= VisitorTypeCount) {
        ReportModelError("Invalid VisitorType in GetVisitorDescrByEnum: " + std::to_string(type));
        return v;
    }
    const VisitorRow& r = VisitorRows[type];
    v.Name = r.Name;
    v.Spending = r.Spending;
    v.SecurityEffect = r.SecurityEffect;
    for (int i = 0; i < 6; ++i)
        v.Demand[skCooking + i] = r.Demand[i];
    return v;
}

std::string GetVisitorNameByEnum(int type) {
    return GetVisitorDescrByEnum(type).Name;
}

std::string RegionTraitText(int code, bool favourable) {
    constexpr int count = static_cast<int>(sizeof TraitRows / sizeof TraitRows[0]);
    if (code < 1 || code > count) return std::string();
    const TraitRow& r = TraitRows[code - 1];
    return favourable ? r.Favourable : r.Unfavourable;
}
