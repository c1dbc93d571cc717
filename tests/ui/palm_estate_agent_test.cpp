// The estate agent's buttons: at their documented places below a description
// that ends above the find button, pushed down below one that runs past it,
// and hot exactly where drawn either way.
#include "PagesFixture.h"

#include "ui/PalmPageParts.h"

namespace {

constexpr Rect FindCell{150, 240, 210, 260};
constexpr Rect RenameCell{140, 165, 200, 185};
constexpr Rect SellCell{150, 260, 210, 280};
constexpr const char* AgentText =
    "The agent can either help you find a new building or manage your existing one.";

// The top of the first copy of cell's top row at x, or -1.
int TopOf(const Bitmap& page, const Rect& cell, int x = 5) {
    for (int y = 0; y < page.Height(); ++y)
        if (CellAt(page, x, y) == (StripPoint{cell.left + x - 5, cell.top})) return y;
    return -1;
}

class EstateAgent : public PagesFixture {};

// The part drawn on its own canvas in fonts of several sizes, so the same text
// ends above the find button or runs past it.
TEST_F(EstateAgent, TheButtonsFollowTheDescription) {
    Property& p = StartGameWithProperty();
    Character& agent = ShowContact(skRealEstateAgent, "Real Estate Agent");
    palm->SetMode(pmNone); // a blank page: only the part drawn below records buttons

    struct Case {
        int fontSize;
        bool fits;
    } cases[] = {{5, true}, {14, false}, {20, false}};
    for (const Case& k : cases) {
        for (bool owned : {false, true}) {
            SCOPED_TRACE(std::to_string(k.fontSize) +
                         (owned ? " pt, owned" : " pt, nothing owned"));
            Bitmap page(PalmWidth, 700);
            Canvas& canvas = page.GetCanvas();
            canvas.SetBrushStyle(bsSolid);
            canvas.SetBrushColor(PageColor);
            canvas.FillRect(Rect{0, 0, PalmWidth, 700});
            canvas.SetFont("Arial", k.fontSize);
            canvas.SetFontColor(TextColor);
            const int end = 192 + canvas.MeasureWrapped(189, AgentText);
            ASSERT_EQ(end <= 224, k.fits) << "the text ends at " << end;
            const int find = k.fits ? 224 : end + 6;
            const int shift = find - 224;

            palm->UpdateInternalScreen(); // forgets the previous round's buttons
            const Property* shown = owned ? &p : nullptr;
            const int bottom =
                palm::DrawEstateAgentPart(*palm, canvas, agent, DescrOf(shown), shown);

            struct Drawn {
                Rect cell;
                int top;
                uint8_t area;
            };
            std::vector<Drawn> drawn = {{FindCell, find, phFindBuilding}};
            if (owned) {
                drawn.push_back({RenameCell, 249 + shift, phRenameProperty});
                drawn.push_back({SellCell, 306 + shift, phSellProperty});
                EXPECT_EQ(bottom, 330 + shift);
            } else {
                EXPECT_GT(bottom, 248 + shift);
            }
            ASSERT_EQ(palm->PageButtons().size(), drawn.size());
            for (const Drawn& d : drawn) {
                SCOPED_TRACE(int(d.area));
                EXPECT_EQ(TopOf(page, d.cell), d.top);
                EXPECT_EQ(TopOf(page, d.cell, 64), d.top);
                // Hot over the drawn button, and neither just above nor right of it.
                EXPECT_EQ(palm->IsHotArea(5, d.top), d.area);
                EXPECT_EQ(palm->IsHotArea(64, d.top + 19), d.area);
                EXPECT_NE(palm->IsHotArea(30, d.top - 1), d.area);
                EXPECT_EQ(palm->IsHotArea(66, d.top + 5), phNone);
            }
            // A pushed button leaves nothing hot at its documented place.
            if (!k.fits) {
                EXPECT_EQ(palm->IsHotArea(30, 225), phNone);
            }
        }
    }
}

// The page itself, in the page's font: the text stands above the find button
// and every button is hot exactly where it is drawn.
TEST_F(EstateAgent, ThePageIsHotWhereItsButtonsAreDrawn) {
    Bitmap m(4, 4);
    m.GetCanvas().SetFont("Arial", 8);
    const int end = 192 + m.GetCanvas().MeasureWrapped(189, AgentText);

    ShowContact(skRealEstateAgent, "Real Estate Agent");
    const int find = TopOf(Page(), FindCell);
    EXPECT_GE(find, end);
    EXPECT_EQ(find, end <= 224 ? 224 : end + 6);
    EXPECT_TRUE(PageShows(Page(), "(no property selected)", 5, find + 24));
    EXPECT_EQ(CheckHotWhereDrawn(FindCell, phFindBuilding), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(RenameCell, phRenameProperty), 0);

    StartGameWithProperty();
    palm->UpdateInternalScreen();
    EXPECT_EQ(TopOf(Page(), FindCell), find);
    EXPECT_EQ(TopOf(Page(), RenameCell), find + 25);
    EXPECT_EQ(TopOf(Page(), SellCell), find + 82);
    EXPECT_EQ(palm->ScreenHeight(), std::max(330, find + 106));
    EXPECT_EQ(CheckHotWhereDrawn(FindCell, phFindBuilding), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(RenameCell, phRenameProperty), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(SellCell, phSellProperty), 60 * 20);
}

} // namespace
