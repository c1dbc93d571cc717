#include "BuildingDef.h"

#include "Generator.h"
#include "model/Text.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::map<std::string, int> kTraits = {
    {"profit", 1}, {"agents", 2},    {"management", 3}, {"security", 4},     {"legality", 5},
    {"fee", 6},    {"deceivers", 7}, {"salaries", 8},   {"satisfaction", 9}, {"none", 0}};

const std::map<std::string, int> kVisitors = {
    {"party-teens", 1},      {"placid-couples", 2},  {"vips", 3},
    {"hard-up", 4},          {"gourmets", 5},        {"cocktail-lovers", 6},
    {"restless-dancers", 7}, {"show-fiends", 8},     {"drunkards", 9},
    {"bustling-teens", 10},  {"racketing-youth", 11}};

const std::map<std::string, int> kStaff = {
    {"management", 1},  {"cooking", 2},       {"drinks", 3},   {"serving", 4}, {"cleanness", 5},
    {"dance-floor", 6}, {"entertainment", 7}, {"security", 8}, {"agent", 9}};

const std::set<std::string> kStyles = {"cafe", "pub",      "diner", "restaurant", "lounge",
                                       "bar",  "teenclub", "strip", "club",       "supper"};

const std::set<std::string> kItems = {"bar",     "table", "booth", "stage", "dancefloor", "stove",
                                      "counter", "plant", "pole",  "sofa",  "dj",         "door"};

struct Reader {
    std::string file;
    int line = 0;

    [[noreturn]] void Fail(const std::string& what) const {
        throw ContentError(file + ":" + std::to_string(line) + ": " + what);
    }

    int Int(std::istringstream& in, const char* what) const {
        long long v;
        if (!(in >> v)) Fail(std::string("expected a number for ") + what);
        if (v < -1000000000LL || v > 1000000000LL) Fail(std::string(what) + " is out of range");
        return static_cast<int>(v);
    }

    int Lookup(const std::map<std::string, int>& table, const std::string& key,
               const char* what) const {
        auto it = table.find(key);
        if (it == table.end()) Fail("unknown " + std::string(what) + " '" + key + "'");
        return it->second;
    }

    static std::string Rest(std::istringstream& in) {
        std::string rest;
        std::getline(in, rest);
        auto b = rest.find_first_not_of(" \t");
        return b == std::string::npos ? std::string() : rest.substr(b);
    }

    void NoMore(std::istringstream& in) const {
        std::string extra;
        if (in >> extra) Fail("unexpected '" + extra + "'");
    }
};

unsigned ParseColour(const Reader& r, const std::string& s) {
    if (s.size() != 7 || s[0] != '#') r.Fail("colours are written #rrggbb");
    try {
        return static_cast<unsigned>(std::stoul(s.substr(1), nullptr, 16));
    } catch (...) {
        r.Fail("colours are written #rrggbb");
    }
}

} // namespace

BuildingDef ParseBuildingDef(const std::string& path) {
    BuildingDef def;
    std::memset(&def.Record, 0, sizeof def.Record);
    def.File = path;
    Reader r{path};
    std::ifstream in(path);
    if (!in) throw ContentError(path + ": cannot open the building definition");

    std::set<std::string> seen;
    int staff = 0;
    std::string text;
    while (std::getline(in, text)) {
        ++r.line;
        std::istringstream ln(text);
        std::string key;
        if (!(ln >> key) || key[0] == '#') continue; // blank line or comment
        BarDescr& d = def.Record;
        const bool once = key != "potential" && key != "staff" && key != "room" && key != "item";
        if (once && !seen.insert(key).second) r.Fail("'" + key + "' is given twice");

        if (key == "id") {
            d.Id = r.Int(ln, "id");
            if (d.Id <= 0) r.Fail("the id must be positive");
            r.NoMore(ln);
        } else if (key == "name") {
            std::string v = Reader::Rest(ln);
            if (v.empty() || v.size() > 60) r.Fail("a name of 1 to 60 characters is needed");
            CopyText(d.Name, v);
        } else if (key == "location") {
            std::string v = Reader::Rest(ln);
            if (v.empty() || v.size() > 200) r.Fail("a location of 1 to 200 characters is needed");
            CopyText(d.Location, v);
        } else if (key == "value") {
            d.Value = r.Int(ln, "value");
            if (d.Value < 1000) r.Fail("a building is worth at least 1000");
            r.NoMore(ln);
        } else if (key == "capacity") {
            d.Capacity = r.Int(ln, "capacity");
            if (d.Capacity < 1 || d.Capacity > MaxGroups) r.Fail("capacity must lie in 1..50");
            r.NoMore(ln);
        } else if (key == "inflow") {
            d.Inflow = r.Int(ln, "inflow");
            if (d.Inflow < 0 || d.Inflow > 60) r.Fail("inflow must lie in 0..60");
            r.NoMore(ln);
        } else if (key == "good" || key == "bad") {
            std::string v;
            ln >> v;
            uint8_t code = static_cast<uint8_t>(r.Lookup(kTraits, v, "trait"));
            (key == "good" ? d.GoodTrait : d.BadTrait) = code;
            r.NoMore(ln);
        } else if (key == "potential") {
            std::string v;
            ln >> v;
            int t = r.Lookup(kVisitors, v, "visitor type");
            int n = r.Int(ln, "potential");
            if (n < 0 || n > 500) r.Fail("potential must lie in 0..500");
            d.Potential[t] = n;
            r.NoMore(ln);
        } else if (key == "staff") {
            std::string v;
            ln >> v;
            int kind = r.Lookup(kStaff, v, "staff kind");
            int x = r.Int(ln, "x"), y = r.Int(ln, "y");
            r.NoMore(ln);
            if (staff >= VacancyCount) r.Fail("a building has at most 20 staff positions");
            if (x < 4 || y < PlanNewsRows || x + 34 > PlanMaxW || y + 34 > PlanMaxH)
                r.Fail("the staff box must lie inside the plan, below the news rows");
            for (int i = 0; i < staff; ++i) {
                const Vacancy& o = d.Vacancies[i];
                if (std::abs(o.X - x) < 38 && std::abs(o.Y - y) < 38)
                    r.Fail("this staff box overlaps position " + std::to_string(i));
            }
            Vacancy& slot = d.Vacancies[staff++];
            slot.Open = 1;
            slot.Kind = static_cast<uint8_t>(kind);
            slot.X = x;
            slot.Y = y;
        } else if (key == "room") {
            PlanRoom room;
            room.X = r.Int(ln, "x");
            room.Y = r.Int(ln, "y");
            room.W = r.Int(ln, "width");
            room.H = r.Int(ln, "height");
            room.Label = Reader::Rest(ln);
            if (room.X < 0 || room.Y < PlanNewsRows - 8 || room.W < 20 || room.H < 20 ||
                room.X + room.W > PlanMaxW || room.Y + room.H > PlanMaxH)
                r.Fail("the room must lie inside the plan, below the news rows");
            def.Rooms.push_back(room);
        } else if (key == "item") {
            PlanItem item;
            ln >> item.Kind;
            if (!kItems.count(item.Kind)) r.Fail("unknown item '" + item.Kind + "'");
            item.X = r.Int(ln, "x");
            item.Y = r.Int(ln, "y");
            item.W = r.Int(ln, "width");
            item.H = r.Int(ln, "height");
            r.NoMore(ln);
            if (item.X < 0 || item.Y < PlanNewsRows - 8 || item.X + item.W > PlanMaxW ||
                item.Y + item.H > PlanMaxH || item.W < 4 || item.H < 4)
                r.Fail("the item must lie inside the plan");
            def.Items.push_back(item);
        } else if (key == "style") {
            ln >> def.Style;
            if (!kStyles.count(def.Style)) r.Fail("unknown style '" + def.Style + "'");
            r.NoMore(ln);
        } else if (key == "sign" || key == "walls") {
            std::string v;
            ln >> v;
            (key == "sign" ? def.SignColour : def.WallColour) = ParseColour(r, v);
            r.NoMore(ln);
        } else {
            r.Fail("unknown key '" + key + "'");
        }
    }
    r.line = 0;
    for (const char* k : {"id", "name", "location", "value", "capacity", "inflow", "style"})
        if (!seen.count(k)) throw ContentError(path + ": '" + k + "' is missing");
    if (staff == 0) throw ContentError(path + ": a building needs at least one staff position");
    if (def.Rooms.empty()) throw ContentError(path + ": the floor plan needs at least one room");
    if (def.Record.GoodTrait != 0 && def.Record.GoodTrait == def.Record.BadTrait)
        throw ContentError(path + ": the good and the bad trait must differ");
    return def;
}

std::vector<BuildingDef> LoadBuildingDefs(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.is_regular_file() && e.path().extension() == ".txt")
            files.push_back(e.path().string());
    if (ec) throw ContentError(folder + ": cannot list the building definitions");
    std::sort(files.begin(), files.end());
    std::vector<BuildingDef> defs;
    std::set<int> ids;
    for (const std::string& f : files) {
        defs.push_back(ParseBuildingDef(f));
        if (!ids.insert(defs.back().Record.Id).second)
            throw ContentError(f + ": id " + std::to_string(defs.back().Record.Id) +
                               " is used twice");
    }
    return defs;
}
