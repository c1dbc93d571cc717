#include "model/BarDescrFile.h"
#include "support/TestEnv.h"

#include <filesystem>
#include <fstream>

namespace {

struct Row {
    int32_t Id, Value, Capacity, Inflow;
    uint8_t Good, Bad;
    const char* Name;
    std::vector<uint8_t> Kinds; // 0 leaves the slot closed
    int32_t Potential;
};

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {1,
         15000,
         8,
         10,
         rtVisitorProfit,
         rtNone,
         "bar",
         {skManagement, skDrinks, skServing, skCleanness},
         12},
        {2, 8000, 4, 6, rtNone, rtNone, "snack bar", {skServing, 0, skCooking}, 6},
        {3,
         30000,
         15,
         12,
         rtVisitorSatisfaction,
         rtSalaries,
         "bistro",
         {skManagement, skCooking, skCooking, skServing, skServing, skCleanness, skDrinks},
         20},
        {4,
         22000,
         12,
         8,
         rtDeceiverLosses,
         rtManagementValue,
         "pub",
         {skManagement, skDrinks, skDrinks, 0, skSecurity, skCleanness},
         15},
        {5,
         45000,
         20,
         10,
         rtManagementValue,
         rtVisitorProfit,
         "restaurant",
         {skManagement, skCooking, skCooking, skCooking, skServing, skServing, skServing,
          skCleanness, skDrinks, skEntertainment},
         25},
        {6,
         60000,
         30,
         15,
         rtSecurityValue,
         rtLegalityValue,
         "dance hall",
         {skManagement, skDanceFloor, skDanceFloor, skEntertainment, skEntertainment, skDrinks,
          skSecurity, skServing, skCleanness, skAgent},
         35},
        {7,
         90000,
         40,
         12,
         rtAdmissionFeeReaction,
         rtVisitorSatisfaction,
         "theatre",
         {skManagement, skEntertainment, skEntertainment, skEntertainment, skStriptease, skDrinks,
          skServing, skServing, skCleanness, skSecurity, 0, skCooking},
         40},
        {8,
         120000,
         50,
         20,
         rtAgentEarnings,
         rtAdmissionFeeReaction,
         "night club",
         {skManagement, skManagement, skDrinks,        skDrinks,        skDrinks,
          skServing,    skServing,    skServing,       skCleanness,     skCleanness,
          skDanceFloor, skDanceFloor, skEntertainment, skEntertainment, skSecurity,
          skSecurity,   skAgent,      skAgent,         skCooking,       skEntertainment},
         60},
    };
    return rows;
}

} // namespace

std::vector<BarDescr> FixtureCatalogue() {
    std::vector<BarDescr> out;
    for (const Row& r : Rows()) {
        BarDescr d = MakeBarDescr(r.Id, r.Value, r.Capacity, r.Kinds, r.Name);
        for (std::size_t i = 0; i < r.Kinds.size(); ++i)
            if (r.Kinds[i] == 0) d.Vacancies[i].Open = 0;
        d.Inflow = r.Inflow;
        d.GoodTrait = r.Good;
        d.BadTrait = r.Bad;
        // Each building draws its own mix of visitors.
        for (int t = 1; t < VisitorTypeCount; ++t)
            d.Potential[t] = r.Potential * ((t + r.Id) % 4 + 1) / 4;
        for (int i = 0; i < 8; ++i)
            d.Carried[i] = r.Id * 100 + i;
        out.push_back(d);
    }
    return out;
}

void WriteFixtureCatalogue(const std::string& folder) {
    std::filesystem::create_directories(folder + "Buildings");
    for (const BarDescr& d : FixtureCatalogue()) {
        std::ofstream out(folder + "Buildings/" + std::to_string(d.Id) + ".dat", std::ios::binary);
        std::string bytes = BarDescrFileBytes(d);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

void WriteFixtureCatalogue(const TempProgramFolder& folder) {
    WriteFixtureCatalogue(folder.Path());
}
