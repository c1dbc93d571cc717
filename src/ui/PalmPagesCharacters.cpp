// The pages of people: a contact or candidate, and a staff position with its
// employee.
#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "model/Text.h"
#include "sim/Format.h"
#include "ui/PalmPageParts.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

using namespace palm;

namespace {

constexpr Rect HireCell{90, 115, 140, 140};
constexpr Rect FireCell{90, 140, 140, 165};
constexpr Rect StaffButton{140, 132, 190, 157};
constexpr Rect MoodPlace{135, 132, 165, 162};

struct RoleNote {
    uint8_t Kind;
    const char* Text;
};

// In the order the page lists them.
constexpr RoleNote RoleNotes[] = {
    {skSecurity, "Your property is considered as unsafe if the overall Security value drops below "
                 "50."},
    {skManagement, "The higher the overall Management value, the better the efficiency of your "
                   "workers."},
    {skStriptease, "Staging a strip show continuously draws all categories of visitors."},
    {skContrabandSelling, "Selling smuggled goods is illegal but profitable business. Your income "
                          "greatly depends on the current number of visitors."},
    {skDrugSelling, "Distributing ecstasy, LSD, heroin and crack is no good but brings you a fast "
                    "buck. Your income greatly depends on the current number of visitors."},
    {skPandering, "Girls anticipate new clients, so you expect for your share. Your income greatly "
                  "depends on the current number of visitors."},
};

// The description of a contact's service, and what it offers below it.
int DrawContactPart(GPalmScreen& palm, Canvas& canvas, const Character& c, uint8_t role,
                    const BarDescr* d, const Property* p) {
    switch (role) {
    case skBankOfficial:
    case skLoanShark:
        return DrawLenderPart(palm, canvas, c, role == skBankOfficial);
    case skRealEstateAgent:
        return DrawEstateAgentPart(palm, canvas, c, d, p);
    case skGeneralSupplier:
        return DrawSupplierPart(palm, canvas, c, p);
    case skRepairAgent:
    case skTablewareSupplier:
    case skEquipmentSupplier:
        return DrawUpgradePart(palm, canvas, c, role, d, p);
    case skAdvertisingAgent:
    case skShowAgent:
        return DrawOrdersPart(palm, canvas, c, role == skAdvertisingAgent, d, p);
    case skSupervisionAgent:
        return DrawSupervisionPart(palm, canvas, c, d, p);
    case skPoliceOfficial:
        return DrawPolicePart(palm, canvas, c, d, p);
    default:
        return 192; // a contact with a role that offers nothing
    }
}

int SkillPercent(double skill) {
    if (std::isnan(skill)) return 0;
    return static_cast<int>(std::trunc(std::clamp(skill, -1e6, 1e6) * 100));
}

int DrawWorkerPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const CharDescr& cd) {
    palm.DrawCell(canvas, c.Employed ? FireCell : HireCell, StaffButton);

    int y = 192;
    y += DrawTextAt(canvas, "Honesty: " + HonestyText(c), Column, y);
    if (c.Legality != 0)
        y += DrawTextAt(canvas, "Legality Decrease: " + std::to_string(-int64_t{c.Legality}),
                        Column, y);
    if (c.Salary != 0)
        y += DrawTextAt(canvas, "Salary: " + FormatMoney(c.Salary) + " per day", Column, y);
    for (const RoleNote& note : RoleNotes) {
        if (cd.Role != note.Kind && cd.SecondRole != note.Kind) continue;
        y += 8;
        y += DrawTextWrapped(canvas, note.Text, Column, ColumnWidth, y);
    }

    y += 18;
    y += palm.DrawSectionHeader(canvas, "Provided Services", y);
    for (const auto& [role, skill] :
         {std::pair{cd.Role, c.Skill}, std::pair{cd.SecondRole, c.SecondSkill}}) {
        if (role == 0 || skill == 0) continue;
        int percent = SkillPercent(skill);
        y += ColumnBar(palm, canvas, OrangeBarColor, std::to_string(percent), ServiceName(role),
                       percent, y);
    }
    return y + 12;
}

} // namespace

int GPalmScreen::DrawCharacterPage(Canvas& canvas, const Character* character,
                                   const BarDescr* descr, const Property* property) {
    DrawPageTitle(canvas, "Character Info", 5);
    const CharDescr* cd = DescrOf(character);
    if (!cd) return 0;

    DrawPortrait(canvas, FieldText(cd->Picture) + ".bmp", cd->PictureIndex);
    DrawTextAt(canvas, "Name: " + FieldText(character->Name), Column, 164);
    DrawTextAt(canvas, "Profession: " + FieldText(cd->Title), Column, 178);

    if (cd->IsProfession) return DrawWorkerPart(*this, canvas, *character, *cd);

    int y = DrawContactPart(*this, canvas, *character, cd->Role, descr, property);
    int face = MoodFace(character->Relation);
    DrawCell(canvas, Rect{30 * face, 340, 30 * face + 30, 370}, MoodPlace);
    DrawTextAt(canvas, RelationText(character->Relation), 142, 122);
    return y;
}

int GPalmScreen::DrawVacancyPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    if (!p) return 0;
    int slot = GameState.SelectedSlot;
    if (slot < 0 || slot >= VacancyCount) return DrawPageTitle(canvas, "Vacancy Info", 5) + 5;
    int worker = FindWorkerInSlot(p->BarId, slot);
    if (worker >= 0) return DrawCharacterPage(canvas, GameState.Characters[worker].get(), d, p);

    DrawPageTitle(canvas, "Vacancy Info", 5);
    int y = 28;
    if (d)
        y +=
            DrawTextWrapped(canvas, TitlesForKind(d->Vacancies[slot].Kind), Column, ColumnWidth, y);
    return y + DrawTextAt(canvas, "(No Employee Hired)", Column, y);
}

int GPalmScreen::DrawCharacterInfoPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    int32_t i = GameState.SelectedCharacter;
    if (i < 0 || i >= GameState.CharacterCount()) return 0;
    return DrawCharacterPage(canvas, GameState.Characters[i].get(), d, p);
}
