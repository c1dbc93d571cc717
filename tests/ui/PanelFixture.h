// The ruler and the plan page over coded pictures written into a temporary
// program folder: a probe tells which picture and which pixel of it was drawn.
#pragma once

#include "UiTestSupport.h"
#include "model/Game.h"
#include "model/Text.h"
#include "support/TestEnv.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <gtest/gtest.h>

namespace coded {
constexpr int Tabs = 150;     // rlscuts, and nbscuts for the plan page
constexpr int Arrows = 160;   // rlbtns
constexpr int Empty = 170;    // rlempty
constexpr int Visitors = 180; // visitors_i
constexpr int People = 190;   // people_i, and the floor plans
constexpr int Buttons = 200;  // pscreenbtns
} // namespace coded

class PanelFixture : public ::testing::Test {
protected:
    PanelFixture() {
        WriteCodedBmp(folder.Sub("Images/rlscuts.bmp"), 117, 162, coded::Tabs);
        WriteCodedBmp(folder.Sub("Images/rlbtns.bmp"), 66, 70, coded::Arrows);
        WriteCodedBmp(folder.Sub("Images/rlempty.bmp"), 780, 100, coded::Empty);
        WriteCodedBmp(folder.Sub("Images/nbscuts.bmp"), 636, 55, coded::Tabs);
        WriteCodedBmp(folder.Sub("Images/visitors_i.bmp"), 440, 40, coded::Visitors);
        WriteCodedBmp(folder.Sub("Images/people_i.bmp"), 400, 40, coded::People);
        TempBitmaps = std::make_unique<GTempBitmapCache>();
    }
    ~PanelFixture() override { TempBitmaps.reset(); }

    // A description "people" picture frame p, profession or contact, with a role.
    int32_t AddDescr(bool profession, uint8_t role, int pictureIndex) {
        CharDescr d{};
        d.Id = 100 + GameState.CharDescrCount();
        d.IsProfession = profession ? 1 : 0;
        d.Role = role;
        d.PictureIndex = pictureIndex;
        CopyText(d.Picture, "people");
        GameState.CharDescrs.push_back(d);
        return d.Id;
    }
    Character& AddCharacter(int32_t descrId) {
        auto c = NewCharacterRecord();
        c->DescrId = descrId;
        GameState.Characters.push_back(std::move(c));
        return *GameState.Characters.back();
    }
    Property& AddProperty(const BarDescr& d) {
        GameState.BarDescrs.push_back(d);
        auto p = NewPropertyRecord();
        p->BarId = d.Id;
        GameState.Properties.push_back(std::move(p));
        return *GameState.Properties.back();
    }

    TempProgramFolder folder;
    HostRecorder host;
    Bitmap buttons = MakeCodedBitmap(260, 450, coded::Buttons);
};
