// The palm screen's building, visitor and people pages over the coded button
// strip, with coded portraits and photographs in the temporary program folder,
// and probes for text and for hot areas against what was drawn.
#pragma once

#include "PalmFixture.h"
#include "ui/Tempbitmap.h"

#include <algorithm>

namespace coded_pages {
constexpr int Photo = 160;    // Buildings/1f.bmp
constexpr int Visitors = 170; // Images/visitors.bmp, frames 0..6
constexpr int People = 180;   // Images/people.bmp, frames 0..6
} // namespace coded_pages

class PagesFixture : public PalmFixture {
protected:
    PagesFixture() {
        WriteCodedBmp(folder.Sub("Buildings/1f.bmp"), 120, 100, coded_pages::Photo);
        WriteCodedBmp(folder.Sub("Images/visitors.bmp"), 910, 130, coded_pages::Visitors);
        WriteCodedBmp(folder.Sub("Images/people.bmp"), 910, 130, coded_pages::People);
        TempBitmaps = std::make_unique<GTempBitmapCache>();
    }
    ~PagesFixture() override { TempBitmaps.reset(); }

    int32_t AddDescr(bool profession, uint8_t role, const char* title, uint8_t secondRole = 0,
                     int pictureIndex = 0) {
        CharDescr d{};
        d.Id = 100 + GameState.CharDescrCount();
        d.IsProfession = profession ? 1 : 0;
        d.Role = role;
        d.SecondRole = secondRole;
        d.PictureIndex = pictureIndex;
        CopyText(d.Title, title);
        CopyText(d.Picture, "people");
        GameState.CharDescrs.push_back(d);
        return d.Id;
    }

    Character& AddCharacter(int32_t descrId, const char* name = "Mona") {
        auto c = NewCharacterRecord();
        c->DescrId = descrId;
        CopyText(c->Name, name);
        GameState.Characters.push_back(std::move(c));
        return *GameState.Characters.back();
    }

    // A contact of the role, selected and shown.
    Character& ShowContact(uint8_t role, const char* title, double relation = 0) {
        Character& c = AddCharacter(AddDescr(false, role, title));
        c.Relation = relation;
        GameState.SelectedCharacter = GameState.CharacterCount() - 1;
        palm->SetMode(pmCharacterInfo);
        palm->UpdateInternalScreen();
        return c;
    }

    Character& Employ(Property& p, int32_t descrId, int32_t slot) {
        Character& c = AddCharacter(descrId);
        c.Employed = 1;
        c.EmployerId = p.BarId;
        c.SlotIndex = slot;
        return c;
    }

    // The hot area at a point of the page (not of the viewport), scrolling there.
    uint8_t HotAt(int x, int pageY) {
        palm->SetScroll(std::max(0, pageY - 160));
        return palm->IsHotArea(x, pageY - palm->mScrollY);
    }

    // Every pixel of the page left of the scroll bar that was copied from `cell`
    // is hot as `area`, and every hot point of `area` lies on such a pixel (or
    // just right of one: a hot rectangle holds its right edge). Returns how many
    // pixels the cell covers, so a test can tell a missing button.
    int CheckHotWhereDrawn(const Rect& cell, uint8_t area) {
        int drawn = 0;
        int height = palm->ScreenHeight();
        for (int top = 0; top < height; top += PalmViewHeight) {
            palm->SetScroll(top);
            int scroll = palm->mScrollY;
            const Bitmap& page = Page();
            auto fromCell = [&](int x, int y) {
                auto at = CellAt(page, x, y);
                return at &&
                       PointInRect(cell.left, cell.top, cell.right - 1, cell.bottom, at->x, at->y);
            };
            for (int vy = 0; vy < PalmViewHeight; ++vy) {
                int y = vy + scroll;
                if (y < top) continue; // seen at the previous scroll
                for (int x = 0; x < 194; ++x) {
                    bool isCell = fromCell(x, y);
                    bool hot = palm->IsHotArea(x, vy) == area;
                    if (isCell) ++drawn;
                    EXPECT_TRUE(!isCell || hot) << "drawn, not hot at (" << x << ", " << y << ")";
                    EXPECT_TRUE(!hot || isCell || (x > 0 && fromCell(x - 1, y)))
                        << "hot, not drawn at (" << x << ", " << y << ")";
                    if (::testing::Test::HasFailure()) return drawn;
                }
            }
        }
        palm->SetScroll(0);
        return drawn;
    }
};
