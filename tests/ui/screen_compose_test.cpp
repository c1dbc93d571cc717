// The whole play area as the player sees it: the desk background, the palm
// screen, the ruler and the plan page composed with the build's real pictures
// and buildings over a game the greedy bot has played, saved to
// build/ui-snapshots/screen-*.bmp for looking at, and checked where a fault
// would show to the player.
#include "GreedyBot.h"
#include "PagesFixture.h"
#include "model/BarDescrFile.h"
#include "sim/Actions.h"
#include "sim/Clock.h"
#include "sim/Random.h"
#include "sim/Startup.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"

namespace {

constexpr int PlayWidth = 780;
constexpr int PlayHeight = 560;

class ScreenCompose : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CopyBuildContent(folder.Path())) GTEST_SKIP() << "no Images/bg.bmp in the build";
        GameStartup(7);
        LoadImageBitmap(background, "bg");
        LoadImageBitmap(closed, "bgclosed");
        LoadImageBitmap(buttons, "pscreenbtns");
        TempBitmaps = std::make_unique<GTempBitmapCache>();
        // Both palm screens show the one view of the game state.
        bare = std::make_unique<GPalmScreen>(nullptr);
        palm = std::make_unique<GPalmScreen>(&buttons);
        ruler = std::make_unique<GRuler>(&buttons);
        plan = std::make_unique<GPlanPage>(&buttons);
    }
    void TearDown() override {
        plan.reset();
        ruler.reset();
        palm.reset();
        bare.reset();
        TempBitmaps.reset();
    }

    // A game of `days` days as the greedy bot plays it, starting 7 March 2026.
    void Play(int days) {
        GameState.Difficulty = 1;
        NewGameOnDay(static_cast<int32_t>(DayNumberOf(2026, 3, 7)));
        for (int n = 0; n < days; ++n) {
            GreedyBotDay();
            for (int hour = 0; hour < 24; ++hour)
                HourTick();
        }
        ASSERT_GT(GameState.PropertyCount(), 0);
        GameState.SelectedProperty = 0;
    }

    // The window's layers in its own order: background, palm screen, ruler,
    // plan page, status strip, and the closed notebook while nothing is owned.
    Bitmap Compose() {
        Bitmap screen(PlayWidth, PlayHeight);
        Canvas& c = screen.GetCanvas();
        c.CopyRect(Rect{0, 0, PlayWidth, PlayHeight}, background,
                   Rect{250, 232, 250 + PlayWidth, 232 + PlayHeight});
        palm->PaintTo(c, 524, 56);
        ruler->PaintTo(c, 0, 460);
        plan->PaintTo(c, 0, 0);
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(PageColor);
        c.FillRect(Rect{524, 386, 738, 402});
        c.SetPenColor(TextColor);
        c.SetPenWidth(1);
        c.Line(524, 386, 738, 386);
        c.Line(658, 386, 658, 402);
        if (GameState.GameInProgress) {
            c.SetFont("Arial", 8);
            c.SetFontColor(TextColor);
            DrawTextAt(c, FormatClockDate(GameState.GameTime), 530, 387);
            DrawTextAt(c, FormatMoney(GameState.Cash), 664, 387);
        }
        if (GameState.PropertyCount() == 0)
            c.CopyRect(Rect{0, 0, 485, 473}, closed, Rect{0, 232, 485, 705});
        return screen;
    }

    // Drawn without buttons or scroll bar, the page leaves the bar's place bare:
    // no text of it hides under the bar.
    void ExpectNothingUnderTheBar(const std::string& name) {
        bare->UpdateInternalScreen();
        EXPECT_FALSE(
            AnyPixelNot(bare->Screen(), 194, 0, PalmWidth, bare->ScreenHeight(), PageColor))
            << name << ": text under the scroll bar, see "
            << SaveSnapshot(bare->Screen(), bare->ScreenHeight(), "screen-" + name + "-bare");
    }

    void Snap(const std::string& name) {
        ExpectNothingUnderTheBar(name);
        Bitmap screen = Compose();
        EXPECT_FALSE(SaveSnapshot(screen, PlayHeight, "screen-" + name).empty()) << name;
        // The whole page too, for pages taller than the viewport.
        if (palm->ScreenHeight() > PalmViewHeight)
            SaveSnapshot(palm->Screen(), palm->ScreenHeight(), "screen-" + name + "-page");
    }

    int32_t FindCharacter(bool profession, uint8_t role, bool employed = false) {
        for (int32_t i = 0; i < GameState.CharacterCount(); ++i) {
            const Character& c = *GameState.Characters[i];
            const CharDescr* cd = DescrOf(&c);
            if (cd && cd->IsProfession == (profession ? 1 : 0) && (role == 0 || cd->Role == role) &&
                (c.Employed != 0) == employed)
                return i;
        }
        return -1;
    }

    void ShowCharacter(int32_t index) {
        ASSERT_GE(index, 0);
        GameState.SelectedCharacter = index;
        GameState.Characters[index]->Viewed = 1;
        palm->SetMode(pmCharacterInfo);
        ruler->UpdateStrip();
    }

    TempProgramFolder folder;
    HostRecorder host;
    Bitmap background, closed, buttons;
    std::unique_ptr<GPalmScreen> bare, palm;
    std::unique_ptr<GRuler> ruler;
    std::unique_ptr<GPlanPage> plan;
};

TEST_F(ScreenCompose, BeforeAGame) {
    palm->SetMode(pmMainMenu);
    Snap("main-menu");
    palm->SetMode(pmNewGame);
    Snap("new-game");
}

TEST_F(ScreenCompose, APlayedGame) {
    Play(12);
    const Property& p = *GameState.Properties[0];

    palm->SetMode(pmReport);
    ruler->UpdateStrip();
    Snap("report");
    palm->SetScroll(100000);
    Snap("report-bottom");
    palm->SetMode(pmStatistics);
    Snap("statistics");
    palm->SetMode(pmManage);
    Snap("manage");
    palm->SetMode(pmDetails);
    Snap("details");
    palm->SetMode(pmNewBuilding);
    for (int32_t i = 0; i < GameState.BarDescrCount(); ++i) {
        palm->SetPage(i);
        ExpectNothingUnderTheBar("catalogue " + std::to_string(i));
    }
    Snap("catalogue");

    for (uint8_t role : {skRealEstateAgent, skGeneralSupplier, skAdvertisingAgent, skShowAgent,
                         skRepairAgent, skBankOfficial, skPoliceOfficial, skSupervisionAgent}) {
        ShowCharacter(FindCharacter(false, role));
        Snap("contact-" + std::to_string(role));
    }

    ruler->SetTab(rtCandidates);
    ShowCharacter(FindCharacter(true, 0));
    Snap("candidate");

    int32_t worker = FindCharacter(true, 0, true);
    ASSERT_GE(worker, 0);
    GameState.SelectedCharacter = -1;
    GameState.SelectedSlot = GameState.Characters[worker]->SlotIndex;
    palm->SetMode(pmVacancyInfo);
    ruler->UpdateStrip();
    Snap("vacancy-filled");

    // A loan running, at the bank's page.
    GameState.SelectedCharacter = FindCharacter(false, skBankOfficial);
    ASSERT_TRUE(Borrow().Changed);
    ShowCharacter(GameState.SelectedCharacter);
    Snap("bank-debt");

    // Bad news a day and a half old on the other notebook tab, and that
    // property's page with an empty position chosen.
    if (GameState.PropertyCount() > 1) {
        Property& other = *GameState.Properties[1];
        AddLogEntry(&other, "The police raided the place.", lkBad);
        other.Log[0].Time -= 1.5;
        palm->SetMode(pmReport);
        Snap("bad-news-badge");
        GameState.SelectedProperty = 1;
        palm->SetMode(pmReport);
        ruler->UpdateStrip();
        Snap("second-property");
    }

    // The main menu during the game: back button and Save Game.
    palm->SetMode(pmMainMenu);
    Snap("main-menu-in-game");

    // A long row of candidates, scrolled into its middle, and an empty position.
    for (int i = 0; i < 20; ++i)
        AddRandomCandidate();
    ruler->SetTab(rtCandidates);
    ruler->SetScroll(200);
    GameState.SelectedCharacter = -1;
    GameState.SelectedSlot = -1;
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        if (DescrOf(SelectedPropertyRecord())->Vacancies[slot].Open &&
            FindWorkerInSlot(SelectedPropertyRecord()->BarId, slot) < 0) {
            GameState.SelectedSlot = slot;
            break;
        }
    }
    palm->SetMode(GameState.SelectedSlot >= 0 ? pmVacancyInfo : pmReport);
    Snap("long-row-empty-position");

    ruler->SetTab(rtVisitors);
    GameState.SelectedSlot = -1;
    GameState.SelectedProperty = 0;
    if (p.GroupCount > 0) {
        GameState.SelectedSlot = -1;
        GameState.SelectedGroup = 0;
        palm->SetMode(pmVisitorsInfo);
        ruler->UpdateStrip();
        Snap("visitors");
    }
}

} // namespace
