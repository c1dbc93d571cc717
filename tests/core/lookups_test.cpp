// Lookups, the honesty text and the order-keeping removals with their selection fix-ups.
#include "model/Game.h"
#include "model/Text.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CharDescr Descr(int32_t id, const char* title, uint8_t role, uint8_t prof = 1) {
    CharDescr d;
    std::memset(&d, 0, sizeof d);
    d.Id = id;
    d.IsProfession = prof;
    CopyText(d.Title, title);
    d.Role = role;
    return d;
}

void AddCharacter(int32_t descrId, const char* name) {
    auto c = NewCharacterRecord();
    c->DescrId = descrId;
    CopyText(c->Name, name);
    GameState.Characters.push_back(std::move(c));
}

void AddProperty(int32_t barId) {
    auto p = NewPropertyRecord();
    p->BarId = barId;
    GameState.Properties.push_back(std::move(p));
}

class Lookups : public ::testing::Test {
protected:
    TempProgramFolder folder;
};

TEST_F(Lookups, TitlesForKindSortsWithoutCaseAndDropsDuplicates) {
    GameState.CharDescrs = {Descr(1, "Singer", 7), Descr(2, "dancer", 7), Descr(3, "Musician", 7),
                            Descr(4, "Singer", 7), Descr(5, "Strip Dancer", 7), Descr(6, "Chef", 2)};
    EXPECT_EQ(TitlesForKind(7), "dancer/Musician/Singer/Strip Dancer");
    EXPECT_EQ(TitlesForKind(2), "Chef");
    EXPECT_EQ(TitlesForKind(14), "");
}

TEST_F(Lookups, FindContactTakesDescriptionsInTableOrderThenCharacters) {
    GameState.CharDescrs = {Descr(1, "Bank Official", 15, 0), Descr(2, "Other Bank", 15, 0),
                            Descr(3, "Loan Shark", 16, 0)};
    AddCharacter(3, "Carlos");
    AddCharacter(2, "Second");
    AddCharacter(1, "Leroy");
    int32_t index = -2;
    Character* c = FindContact(15, &index);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->Name, "Leroy");
    EXPECT_EQ(index, 2);
    EXPECT_EQ(FindContact(25, &index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST_F(Lookups, FindWorkerInSlotNeedsEmployedEmployerAndSlot) {
    AddCharacter(1, "a");
    AddCharacter(1, "b");
    GameState.Characters[1]->Employed = 1;
    GameState.Characters[1]->EmployerId = 7;
    GameState.Characters[1]->SlotIndex = 3;
    GameState.Characters[0]->EmployerId = 7; // not employed
    GameState.Characters[0]->SlotIndex = 3;
    EXPECT_EQ(FindWorkerInSlot(7, 3), 1);
    EXPECT_EQ(FindWorkerInSlot(7, 4), -1);
    EXPECT_EQ(FindWorkerInSlot(8, 3), -1);
}

TEST_F(Lookups, HonestyTextFollowsDishonestyOnceKnown) {
    auto c = NewCharacterRecord();
    struct Case {
        uint8_t known;
        int32_t dishonesty;
        const char* text;
    } cases[] = {{0, 100, "(Unknown)"}, {1, 0, "Proved"},  {1, 1, "Moderate"},
                 {1, 50, "Moderate"},   {1, 51, "Poor"},   {1, 100, "Poor"}};
    for (const Case& k : cases) {
        c->HonestyKnown = k.known;
        c->Dishonesty = k.dishonesty;
        EXPECT_EQ(HonestyText(*c), k.text) << k.dishonesty;
    }
}

TEST_F(Lookups, TodayIsTheWholeDayOfTheGameTime) {
    GameState.GameTime = 46000.979;
    EXPECT_EQ(Today(), 46000);
}

TEST_F(Lookups, RemovingTheSelectedCharacterClearsOnlyThatSelection) {
    for (int i = 0; i < 4; ++i) AddCharacter(1, "x");
    GameState.SelectedCharacter = 2;
    GameState.SelectedProperty = 0;
    GameState.SelectedGroup = 1;
    RemoveCharacter(2);
    EXPECT_EQ(GameState.SelectedCharacter, -1);
    EXPECT_EQ(GameState.SelectedProperty, 0);
    EXPECT_EQ(GameState.SelectedGroup, 1);
    EXPECT_EQ(GameState.CharacterCount(), 3);
}

TEST_F(Lookups, RemovingACharacterBeforeTheSelectedOneKeepsTheSamePerson) {
    AddCharacter(1, "a");
    AddCharacter(1, "b");
    AddCharacter(1, "c");
    GameState.SelectedCharacter = 2;
    RemoveCharacter(0);
    ASSERT_EQ(GameState.SelectedCharacter, 1);
    EXPECT_STREQ(GameState.Characters[1]->Name, "c");
    RemoveCharacter(5); // out of range: nothing
    EXPECT_EQ(GameState.CharacterCount(), 2);
}

TEST_F(Lookups, SellingTheOnlyPropertyLeavesNoSelection) {
    AddProperty(10);
    GameState.SelectedProperty = 0;
    GameState.SelectedSlot = 3;
    GameState.SelectedGroup = 2;
    RemoveProperty(0);
    EXPECT_EQ(GameState.PropertyCount(), 0);
    EXPECT_EQ(GameState.SelectedProperty, -1);
    EXPECT_EQ(GameState.SelectedSlot, -1);
    EXPECT_EQ(GameState.SelectedGroup, -1);
}

TEST_F(Lookups, RemovingOneOfSeveralSelectsTheFirstAndFreesItsStaff) {
    AddProperty(10);
    AddProperty(20);
    AddProperty(30);
    AddCharacter(1, "worker");
    AddCharacter(1, "elsewhere");
    GameState.Characters[0]->Employed = 1;
    GameState.Characters[0]->EmployerId = 30;
    GameState.Characters[1]->Employed = 1;
    GameState.Characters[1]->EmployerId = 10;
    GameState.SelectedProperty = 2;
    RemoveProperty(2);
    EXPECT_EQ(GameState.SelectedProperty, 0);
    EXPECT_EQ(GameState.PropertyCount(), 2);
    EXPECT_EQ(GameState.Properties[1]->BarId, 20);
    EXPECT_EQ(GameState.Characters[0]->Employed, 0);
    EXPECT_EQ(GameState.Characters[1]->Employed, 1);
}

TEST_F(Lookups, GroupSelectionFollowsInsertionsAndRemovalsOfTheSelectedProperty) {
    AddProperty(10);
    AddProperty(20);
    Property* sel = GameState.Properties[0].get();
    Property* other = GameState.Properties[1].get();
    GameState.SelectedProperty = 0;
    for (int i = 0; i < 3; ++i) InsertVisitorGroupAt(sel, i)->Type = static_cast<uint8_t>(9 - i);
    GameState.SelectedGroup = 1; // type 8
    InsertVisitorGroupAt(sel, 1)->Type = 5;
    EXPECT_EQ(GameState.SelectedGroup, 2);
    EXPECT_EQ(sel->Groups[2].Type, 8);
    InsertVisitorGroupAt(sel, 3)->Type = 1; // after the selected group
    EXPECT_EQ(GameState.SelectedGroup, 2);
    RemoveVisitorGroup(sel, 0);
    EXPECT_EQ(GameState.SelectedGroup, 1);
    EXPECT_EQ(sel->Groups[1].Type, 8);
    // Another property's groups do not move the selection.
    InsertVisitorGroupAt(other, 0)->Type = 3;
    RemoveVisitorGroup(other, 0);
    EXPECT_EQ(GameState.SelectedGroup, 1);
    RemoveVisitorGroup(sel, 1);
    EXPECT_EQ(GameState.SelectedGroup, -1);
    EXPECT_EQ(sel->GroupCount, 3);
}

TEST_F(Lookups, InsertingIntoAFullPropertyGivesNothing) {
    AddProperty(10);
    Property* p = GameState.Properties[0].get();
    for (int i = 0; i < MaxGroups; ++i) ASSERT_NE(InsertVisitorGroupAt(p, i), nullptr);
    EXPECT_EQ(InsertVisitorGroupAt(p, 0), nullptr);
    EXPECT_EQ(p->GroupCount, MaxGroups);
}

} // namespace
