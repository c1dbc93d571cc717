// The building and people pages drawn with the build's real pictures, saved to
// build/ui-snapshots so they can be looked at.
#include "PalmFixture.h"

#include "model/BarDescrFile.h"
#include "ui/Tempbitmap.h"

#include <stdexcept>

namespace {

class PageSnapshots : public PalmFixture {
protected:
    void SetUp() override {
        if (!LoadRealButtonStrip(real)) GTEST_SKIP() << "no Images/pscreenbtns.bmp in the build";
        // The game's pictures and buildings, copied beside the temporary program.
        if (!CopyBuildContent(folder.Path())) GTEST_SKIP() << "no Images/bg.bmp in the build";
        LoadBarDescrs();
        BuildCharDescrs();
        TempBitmaps = std::make_unique<GTempBitmapCache>();
        shown = std::make_unique<GPalmScreen>(&real);
    }
    void TearDown() override { TempBitmaps.reset(); }

    void Snap(const std::string& name) {
        // Something besides the page colour in the column, and the picture written.
        EXPECT_TRUE(AnyPixelNot(shown->Screen(), 5, 28, 189, 300, PageColor)) << name;
        EXPECT_FALSE(SaveSnapshot(shown->Screen(), shown->ScreenHeight(), name).empty()) << name;
    }

    Character& Contact(uint8_t role) {
        for (int32_t i = 0; i < GameState.CharDescrCount(); ++i) {
            const CharDescr& d = GameState.CharDescrs[i];
            if (d.IsProfession || d.Role != role) continue;
            auto c = NewCharacterRecord();
            c->DescrId = d.Id;
            CopyText(c->Name, FieldText(d.FixedName));
            GameState.Characters.push_back(std::move(c));
            GameState.SelectedCharacter = GameState.CharacterCount() - 1;
            return *GameState.Characters.back();
        }
        throw std::runtime_error("no contact of that role");
    }

    Bitmap real;
    std::unique_ptr<GPalmScreen> shown;
};

TEST_F(PageSnapshots, BuildingPeopleAndServicePages) {
    ASSERT_GT(GameState.BarDescrCount(), 1);
    GameState.GameInProgress = true;
    GameState.GameTime = DayNumberOf(2026, 3, 7) + 0.5;
    shown->SetMode(pmNewBuilding);
    shown->SetPage(1);
    Snap("palm-catalogue");

    auto p = NewPropertyRecord();
    const BarDescr& d = GameState.BarDescrs[0];
    p->BarId = d.Id;
    CopyText(p->Name, "Blue Lamp");
    p->Supplies = 97;
    p->RepairLevel = 3;
    p->BribeLevel = 1;
    for (int t = 1; t < VisitorTypeCount; ++t)
        p->Potential[t] = d.Potential[t] / 2;
    VisitorGroup& g = p->Groups[p->GroupCount++];
    g.Type = vtPartyTeens;
    g.Profit = 420;
    g.SecurityEffect = -4;
    g.DesireToStay = 65;
    g.Demand[skDrinks] = 50;
    g.Demand[skDanceFloor] = 50;
    GameState.Properties.push_back(std::move(p));
    GameState.SelectedProperty = 0;
    shown->SetMode(pmDetails);
    Snap("palm-details");
    GameState.SelectedGroup = 0;
    shown->SetMode(pmVisitorsInfo);
    Snap("palm-visitors");

    for (const CharDescr& cd : GameState.CharDescrs) {
        if (!cd.IsProfession || cd.SecondRole == 0) continue;
        auto c = NewCharacterRecord();
        c->DescrId = cd.Id;
        CopyText(c->Name, "Rosa Quill");
        c->Skill = 0.62;
        c->SecondSkill = 0.35;
        c->Salary = 85;
        c->Legality = -10;
        GameState.Characters.push_back(std::move(c));
        GameState.SelectedCharacter = GameState.CharacterCount() - 1;
        break;
    }
    shown->SetMode(pmCharacterInfo);
    Snap("palm-candidate");

    Contact(skRealEstateAgent).Relation = 30;
    shown->UpdateInternalScreen();
    Snap("palm-estate-agent");
    Contact(skGeneralSupplier).Relation = 14.9;
    shown->UpdateInternalScreen();
    Snap("palm-supplier");
    Contact(skRepairAgent).Relation = -40;
    shown->UpdateInternalScreen();
    Snap("palm-repair");
    Character& bank = Contact(skBankOfficial);
    bank.CreditLimit = 50000;
    bank.LoanDays = 60;
    bank.InterestRate = 0.1;
    bank.Debt = 55000;
    bank.DueDay = Today() + 12;
    shown->UpdateInternalScreen();
    Snap("palm-bank");
    Contact(skSupervisionAgent);
    shown->UpdateInternalScreen();
    Snap("palm-supervision");
    Contact(skPoliceOfficial).Relation = -80;
    shown->UpdateInternalScreen();
    Snap("palm-police");
}

} // namespace
