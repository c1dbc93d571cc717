// The game's records. Property, Character, ServiceDescr and BarDescr are written
// to files byte for byte, so their layouts below are file formats: every size and
// offset is checked at compile time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the saved records are little-endian byte images");

// Enumerations ---------------------------------------------------------------

enum VisitorType : uint8_t {
    vtUnassigned = 0,
    vtPartyTeens = 1,
    vtPlacidCouples = 2,
    vtVIPs = 3,
    vtHardUpVisitors = 4,
    vtGourmets = 5,
    vtCocktailLovers = 6,
    vtRestlessDancers = 7,
    vtShowFiends = 8,
    vtDrunkards = 9,
    vtBustlingTeens = 10,
    vtRacketingYouth = 11,
};
constexpr int VisitorTypeCount = 12; // 0..11, 0 unused by groups

enum ServiceKind : uint8_t {
    skUnassigned = 0,
    skManagement = 1,
    skCooking = 2,
    skDrinks = 3,
    skServing = 4,
    skCleanness = 5,
    skDanceFloor = 6,
    skEntertainment = 7,
    skSecurity = 8,
    skAgent = 9,
    skStriptease = 10,
    skContrabandSelling = 11,
    skDrugSelling = 12,
    skPandering = 13,
    skNobody = 14,
    skBankOfficial = 15,
    skLoanShark = 16,
    skRealEstateAgent = 17,
    skGeneralSupplier = 18,
    skRepairAgent = 19,
    skTablewareSupplier = 20,
    skEquipmentSupplier = 21,
    skAdvertisingAgent = 22,
    skShowAgent = 23,
    skSupervisionAgent = 24,
    skPoliceOfficial = 25,
};
constexpr int ServiceKindCount = 26;

enum RegionTrait : uint8_t {
    rtNone = 0,
    rtVisitorProfit = 1,
    rtAgentEarnings = 2,
    rtManagementValue = 3,
    rtSecurityValue = 4,
    rtLegalityValue = 5,
    rtAdmissionFeeReaction = 6,
    rtDeceiverLosses = 7,
    rtSalaries = 8,
    rtVisitorSatisfaction = 9,
};

// Message-log kinds.
enum LogKind : uint8_t { lkBad = 0, lkNotice = 1, lkGood = 2 };

// Platform colour numbers 0x00BBGGRR used by report lines.
constexpr int32_t ColorBlack = 0;
constexpr int32_t ColorDarkRed = 149;    // RGB(149, 0, 0)
constexpr int32_t ColorGreen = 32780;    // RGB(12, 128, 0)
constexpr int32_t ColorReportText = 205894; // RGB(70, 36, 3)

// Limits -----------------------------------------------------------------------

constexpr int MaxProperties = 6;
constexpr int MaxCharacters = 180;
constexpr int MaxBarDescrs = 100;
constexpr int MaxCharDescrs = 50;
constexpr int MaxGroups = 50;
constexpr int MaxLogEntries = 24;
constexpr int MaxReportLines = 12;
constexpr int VacancyCount = 20;

// Saved records ----------------------------------------------------------------

struct VisitorGroup {
    uint8_t Type;
    uint8_t Reserved1[3];
    int32_t Profit;
    int32_t SecurityEffect;
    int32_t Demand[ServiceKindCount];
    int32_t DesireToStay;
};

struct MessageLogEntry {
    char Text[512];
    uint8_t Kind;
    uint8_t Reserved1[7];
    double Time;
    uint8_t Seen;
    uint8_t Reserved2[7];
};

struct ReportLine {
    char Text[512];
    int32_t Color;
};

struct Property {
    int32_t BarId;
    char Name[32];
    int32_t RepairLevel;
    int32_t TablewareLevel;
    int32_t EquipmentLevel;
    int32_t Value;
    int32_t SupervisionLeft;
    int32_t BribeLevel;
    int32_t AdmissionFee;
    double Supplies;
    double FineDueTime;
    int32_t AdCampaign[VisitorTypeCount];
    int32_t ShowProgram[VisitorTypeCount];
    int32_t Potential[20];
    VisitorGroup Groups[MaxGroups];
    int32_t GroupCount;
    uint8_t Reserved1[4];
    MessageLogEntry Log[MaxLogEntries];
    int32_t LogCount;
    ReportLine Report[MaxReportLines];
    int32_t ReportCount;
};

struct Character {
    int32_t DescrId;
    char Name[50];
    uint8_t Reserved1[2];
    double Relation;
    double Skill;
    double SecondSkill;
    int32_t Salary;
    int32_t AgentIncome;
    uint8_t Employed;
    uint8_t Reserved2[3];
    int32_t EmployerId;
    int32_t SlotIndex;
    int32_t Dishonesty;
    uint8_t HonestyKnown;
    uint8_t Reserved3[3];
    int32_t Legality;
    uint8_t Viewed;
    uint8_t Reserved4[3];
    int32_t CreditLimit;
    int32_t LoanDays;
    uint8_t Reserved5[4];
    double InterestRate;
    int32_t Debt;
    int32_t DueDay;
    int32_t SeizeTarget;
    uint8_t Reserved6[4];
};

struct ServiceDescr {
    uint8_t Kind;
    char Name[50];
    char Description[256];
    uint8_t Rated;
};

struct Vacancy {
    uint8_t Open;
    uint8_t Reserved1[3];
    int32_t X;
    int32_t Y;
    uint8_t Kind;
    uint8_t Reserved2[3];
};

// One building that can be bought, read from a building description file.
struct BarDescr {
    int32_t Id;
    uint8_t Reserved1[4];
    Vacancy Vacancies[VacancyCount];
    int32_t Potential[12];
    int32_t Carried[8]; // copied into Property.Potential[12..19], never read
    int32_t Capacity;
    int32_t Inflow;
    int32_t Value;
    char Location[512];
    char Name[128];
    uint8_t GoodTrait;
    uint8_t BadTrait;
    uint8_t Reserved2[2];
};

// A profession template or a named contact; built in code, never saved.
struct CharDescr {
    int32_t Id;
    uint8_t IsProfession;
    char FixedName[50];
    char Title[50];
    char Picture[30];
    uint8_t Reserved1;
    int32_t PictureIndex;
    uint8_t Male;
    uint8_t Role;
    uint8_t SecondRole;
    uint8_t Reserved2;
    double Skill;
    double SecondSkill;
    int32_t Legality;
    uint8_t Reserved3[4];
};

// Layout checks -----------------------------------------------------------------

#define QLB_LAYOUT(type, field, offset) static_assert(offsetof(type, field) == (offset))

static_assert(sizeof(VisitorGroup) == 120);
QLB_LAYOUT(VisitorGroup, Profit, 4);
QLB_LAYOUT(VisitorGroup, SecurityEffect, 8);
QLB_LAYOUT(VisitorGroup, Demand, 12);
QLB_LAYOUT(VisitorGroup, DesireToStay, 116);

static_assert(sizeof(MessageLogEntry) == 536);
QLB_LAYOUT(MessageLogEntry, Kind, 512);
QLB_LAYOUT(MessageLogEntry, Time, 520);
QLB_LAYOUT(MessageLogEntry, Seen, 528);

static_assert(sizeof(ReportLine) == 516);
QLB_LAYOUT(ReportLine, Color, 512);

static_assert(sizeof(Property) == 25328);
QLB_LAYOUT(Property, Name, 4);
QLB_LAYOUT(Property, RepairLevel, 36);
QLB_LAYOUT(Property, TablewareLevel, 40);
QLB_LAYOUT(Property, EquipmentLevel, 44);
QLB_LAYOUT(Property, Value, 48);
QLB_LAYOUT(Property, SupervisionLeft, 52);
QLB_LAYOUT(Property, BribeLevel, 56);
QLB_LAYOUT(Property, AdmissionFee, 60);
QLB_LAYOUT(Property, Supplies, 64);
QLB_LAYOUT(Property, FineDueTime, 72);
QLB_LAYOUT(Property, AdCampaign, 80);
QLB_LAYOUT(Property, ShowProgram, 128);
QLB_LAYOUT(Property, Potential, 176);
QLB_LAYOUT(Property, Groups, 256);
QLB_LAYOUT(Property, GroupCount, 6256);
QLB_LAYOUT(Property, Log, 6264);
QLB_LAYOUT(Property, LogCount, 19128);
QLB_LAYOUT(Property, Report, 19132);
QLB_LAYOUT(Property, ReportCount, 25324);

static_assert(sizeof(Character) == 152);
QLB_LAYOUT(Character, Name, 4);
QLB_LAYOUT(Character, Relation, 56);
QLB_LAYOUT(Character, Skill, 64);
QLB_LAYOUT(Character, SecondSkill, 72);
QLB_LAYOUT(Character, Salary, 80);
QLB_LAYOUT(Character, AgentIncome, 84);
QLB_LAYOUT(Character, Employed, 88);
QLB_LAYOUT(Character, EmployerId, 92);
QLB_LAYOUT(Character, SlotIndex, 96);
QLB_LAYOUT(Character, Dishonesty, 100);
QLB_LAYOUT(Character, HonestyKnown, 104);
QLB_LAYOUT(Character, Legality, 108);
QLB_LAYOUT(Character, Viewed, 112);
QLB_LAYOUT(Character, CreditLimit, 116);
QLB_LAYOUT(Character, LoanDays, 120);
QLB_LAYOUT(Character, InterestRate, 128);
QLB_LAYOUT(Character, Debt, 136);
QLB_LAYOUT(Character, DueDay, 140);
QLB_LAYOUT(Character, SeizeTarget, 144);

static_assert(sizeof(ServiceDescr) == 308);
QLB_LAYOUT(ServiceDescr, Name, 1);
QLB_LAYOUT(ServiceDescr, Description, 51);
QLB_LAYOUT(ServiceDescr, Rated, 307);

static_assert(sizeof(Vacancy) == 16);
QLB_LAYOUT(Vacancy, X, 4);
QLB_LAYOUT(Vacancy, Y, 8);
QLB_LAYOUT(Vacancy, Kind, 12);

static_assert(sizeof(BarDescr) == 1064);
QLB_LAYOUT(BarDescr, Vacancies, 8);
QLB_LAYOUT(BarDescr, Potential, 328);
QLB_LAYOUT(BarDescr, Carried, 376);
QLB_LAYOUT(BarDescr, Capacity, 408);
QLB_LAYOUT(BarDescr, Inflow, 412);
QLB_LAYOUT(BarDescr, Value, 416);
QLB_LAYOUT(BarDescr, Location, 420);
QLB_LAYOUT(BarDescr, Name, 932);
QLB_LAYOUT(BarDescr, GoodTrait, 1060);
QLB_LAYOUT(BarDescr, BadTrait, 1061);

static_assert(sizeof(CharDescr) == 168);
QLB_LAYOUT(CharDescr, IsProfession, 4);
QLB_LAYOUT(CharDescr, FixedName, 5);
QLB_LAYOUT(CharDescr, Title, 55);
QLB_LAYOUT(CharDescr, Picture, 105);
QLB_LAYOUT(CharDescr, PictureIndex, 136);
QLB_LAYOUT(CharDescr, Male, 140);
QLB_LAYOUT(CharDescr, Role, 141);
QLB_LAYOUT(CharDescr, SecondRole, 142);
QLB_LAYOUT(CharDescr, Skill, 144);
QLB_LAYOUT(CharDescr, SecondSkill, 152);
QLB_LAYOUT(CharDescr, Legality, 160);

#undef QLB_LAYOUT
