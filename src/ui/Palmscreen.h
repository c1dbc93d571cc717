// The organiser on the right of the main window: a 214 x 330 viewport onto a
// taller page bitmap, its modes, its pages and its hot areas.
#pragma once

#include "model/Gamedata.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

enum PalmMode : uint8_t {
    pmNone = 0,
    pmNewGame = 1,
    pmReport = 2,
    pmNewBuilding = 3,
    pmDetails = 4,
    pmStatistics = 5,
    pmManage = 6,
    pmVacancyInfo = 7,
    pmVisitorsInfo = 8,
    pmCharacterInfo = 9,
    pmMainMenu = 10,
};
constexpr uint8_t PalmModeLast = pmMainMenu;

enum PalmHotArea : uint8_t {
    phNone = 0,
    phScrollUp = 1,
    phScrollDown = 2,
    phPageUp = 3,
    phPageDown = 4,
    phThumb = 5,
    phPrevBuilding = 6,
    phNextBuilding = 7,
    phBuyBuilding = 8,
    phTabDetails = 9,
    phTabStatistics = 10,
    phTabManage = 11,
    phBack = 12,
    phFireEmployee = 13,
    phHireCandidate = 14,
    phRenameProperty = 15,
    phFindBuilding = 16,
    phSellProperty = 17,
    phBorrow = 18,
    phPayDebt = 19,
    phUpgradeRepair = 20,
    phUpgradeTableware = 21,
    phUpgradeEquipment = 22,
    phOrderCampaign = 23,
    phOrderShow = 24,
    phHiddenCameras = 25,
    phOfficialLevel = 26,
    phSupplies5 = 27,
    phSupplies20 = 28,
    phSuppliesFull = 29,
    phMenuAbout = 41,
    phMenuContinue = 42,
    phMenuNewGame = 43,
    phMenuLoadGame = 44,
    phMenuSaveGame = 45,
    phMenuExit = 46,
    phDifficulty0 = 49,
    phDifficulty1 = 50,
    phDifficulty2 = 51,
    phDifficulty3 = 52,
    phAdmissionFee = 53,
};

constexpr int PalmWidth = 214;
constexpr int PalmViewHeight = 330;
constexpr int PalmMaxHeight = 2000; // the drawing surface; anything below is lost
constexpr int ScrollStep = 8;       // one press of a scroll arrow
constexpr int ThumbTravel = 222;

// A button whose place the page decides while drawing (the contacts whose
// buttons sit below a text of measured height). The hit test finds exactly
// what was drawn.
struct PalmPageButton {
    Rect Place; // content coordinates
    uint8_t Area;
    int32_t Index;
};

class GPalmScreen {
public:
    // screenButtons: the main window's button strip; it outlives the palm screen.
    // A null or empty strip draws no buttons.
    explicit GPalmScreen(const Bitmap* screenButtons);
    ~GPalmScreen();
    GPalmScreen(const GPalmScreen&) = delete;
    GPalmScreen& operator=(const GPalmScreen&) = delete;

    void PaintTo(Canvas& canvas, int x, int y);
    void SetMode(uint8_t mode);
    void SetPage(int32_t index);
    void SetScroll(int32_t y);
    uint8_t IsHotArea(int x, int y);
    void UpdateInternalScreen();

    // The page's height (330 .. 2000) and the page bitmap; only the first
    // ScreenHeight() rows of mScreen belong to the page.
    int ScreenHeight() const { return mHeight; }
    const Bitmap& Screen() const { return mScreen; }
    // The scroll thumb's top in viewport coordinates while the page scrolls.
    int ThumbTop() const;
    const std::vector<PalmPageButton>& PageButtons() const { return mPageButtons; }

    uint8_t LastHotArea = phNone;
    // The view saved with a game lives in GameState.View, so the save code reads
    // and writes these very fields.
    struct ModeField {
        uint8_t& Mode;
    } mData;
    int32_t& mPageIndx;
    int32_t& LastHotIndex;
    int32_t& mScrollY;
    uint8_t& mContinueAvailable;

    // Drawing primitives of the information pages; each returns its height.
    int DrawPageTitle(Canvas& canvas, const std::string& text, int y);
    int DrawSectionHeader(Canvas& canvas, const std::string& text, int y);
    int DrawValueBar(Canvas& canvas, Color fill, int marker, const std::string& valueText,
                     const std::string& label, int percent, int left, int top, int right,
                     int bottom);

    // Page drawers; each returns the y just below its content.
    int DrawReportPage(Canvas& canvas, const Property* p, const BarDescr* d);
    int DrawStatisticsPage(Canvas& canvas, const Property* p, const BarDescr* d);
    int DrawManagePage(Canvas& canvas, const Property* p, const BarDescr* d);
    int DrawBarDescrInfo(Canvas& canvas, const BarDescr* descr, int y);
    int DrawNewBuildingPage(Canvas& canvas);
    int DrawDetailsPage(Canvas& canvas, const Property* p, const BarDescr* d);
    int DrawVisitorsPage(Canvas& canvas, const Property* p, const BarDescr* d);
    int DrawCharacterPage(Canvas& canvas, const Character* character, const BarDescr* descr,
                          const Property* property);
    int DrawVacancyPage(Canvas& canvas, const Property* p, const BarDescr* d);
    int DrawCharacterInfoPage(Canvas& canvas, const Property* p, const BarDescr* d);

    // Copies a cell of the button strip to dest (both as left, top, right, bottom).
    void DrawCell(Canvas& canvas, const Rect& cell, const Rect& dest);
    // Draws a cell and records it as a hot area of the page.
    void DrawPageButton(Canvas& canvas, const Rect& cell, const Rect& dest, uint8_t area,
                        int32_t index = -1);

private:
    int DrawMainMenuPage(Canvas& canvas);
    int DrawNewGamePage(Canvas& canvas);
    void DrawScrollBar(Canvas& canvas);
    void TestModeAreas(int x, int y);
    void TestCharacterAreas(int x, int y);
    // An invalid mode is reported once, when it is first met.
    bool CheckMode(const char* method);

    Bitmap mScreen;
    int mHeight = PalmViewHeight;
    const Bitmap* mButtons;
    std::vector<PalmPageButton> mPageButtons;
    int mReportedMode = -1;
};

// The default mode: the main menu without a game, the catalogue while nothing
// is owned, else the report.
uint8_t DefaultPalmMode();
