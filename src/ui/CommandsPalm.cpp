// The palm screen's commands: navigation, the menu and the game as a whole.
// The property, staff and service commands are in CommandsProperty.cpp.
#include "model/Game.h"
#include "model/ProgramFolder.h"
#include "persist/Autosave.h"
#include "persist/DebugLog.h"
#include "persist/SaveGame.h"
#include "sim/Startup.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"
#include "ui/Ruler.h"

#include <fstream>
#include <sstream>
#include <string>

void TformMain::ProcessPalmScreenClick() {
    const uint8_t area = mPalm->LastHotArea;
    if (!mRepeatClick && area != phBuyBuilding) PlayNamed("click");
    if (!PalmGameCommand(area) && !PalmPropertyCommand(area) && !PalmServiceCommand(area))
        ReportError("Invalid PalmScreen->LastHotArea in TformMain::ProcessPalmScreenClick: " +
                    std::to_string(area));
    Invalidate();
}

bool TformMain::PalmGameCommand(uint8_t area) {
    GPalmScreen& palm = *mPalm;
    switch (area) {
    case phScrollUp:
        palm.SetScroll(palm.mScrollY - ScrollStep);
        StartRepeat(maPalm, area);
        return true;
    case phScrollDown:
        palm.SetScroll(palm.mScrollY + ScrollStep);
        StartRepeat(maPalm, area);
        return true;
    case phPageUp:
        palm.SetScroll(palm.mScrollY - PalmViewHeight);
        return true;
    case phPageDown:
        palm.SetScroll(palm.mScrollY + PalmViewHeight);
        return true;
    case phThumb:
        mDraggingThumb = true;
        return true;
    case phPrevBuilding:
        palm.SetPage(palm.mPageIndx - 1);
        return true;
    case phNextBuilding:
        palm.SetPage(palm.mPageIndx + 1);
        return true;
    case phTabDetails:
        palm.SetMode(pmDetails);
        return true;
    case phTabStatistics:
        palm.SetMode(pmStatistics);
        return true;
    case phTabManage:
        palm.SetMode(pmManage);
        return true;
    case phBack:
        ShowDefaultPage();
        return true;
    case phFindBuilding:
        palm.SetMode(pmNewBuilding);
        return true;
    case phMenuAbout:
        mPrompts->About();
        return true;
    case phMenuContinue:
        ContinueCommand();
        return true;
    case phMenuNewGame:
        palm.SetMode(pmNewGame);
        return true;
    case phMenuLoadGame:
        LoadGameCommand();
        return true;
    case phMenuSaveGame:
        SaveGameCommand();
        return true;
    case phMenuExit:
        mCloseRequested = true;
        return true;
    case phDifficulty0:
    case phDifficulty1:
    case phDifficulty2:
    case phDifficulty3:
        mSession.Prepare();
        GameState.Difficulty = static_cast<uint8_t>(area - phDifficulty0);
        NewGame();
        mSession.StartNew(GameState.Difficulty, static_cast<int32_t>(GameState.StartTime));
        ShowDefaultPage();
        return true;
    default:
        return false;
    }
}

namespace {

// Loads a game and, when it loaded, begins a session recording with its bytes.
void LoadRecorded(SessionFile& session, const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << f.rdbuf();
    if (!LoadGame(path)) return;
    session.Prepare();
    session.StartLoaded(bytes.str());
}

} // namespace

void TformMain::ContinueCommand() {
    LoadRecorded(mSession, AutosavePath());
    ShowDefaultPage();
}

void TformMain::LoadGameCommand() {
    const std::optional<std::string> path = mPrompts->ChooseLoadFile(SaveFolder());
    if (!path) return;
    // A failed load leaves the running game as it was; redrawing it is harmless.
    LoadRecorded(mSession, *path);
    mPalm->UpdateInternalScreen();
    mRuler->UpdateStrip();
}

void TformMain::SaveGameCommand() {
    const std::optional<std::string> path = mPrompts->ChooseSaveFile(SaveFolder());
    if (path) SaveGame(*path);
}

void TformMain::Apply(const ActionResult& r) {
    switch (r.Prompt) {
    case PromptKind::Message:
        mPrompts->Message(r.Text, r.Caption);
        break;
    default:
        break;
    }
    if (!r.Sound.empty()) PlayNamed(r.Sound);
    if (r.DefaultPage) ShowDefaultPage();
    if (r.UpdateScreen) mPalm->UpdateInternalScreen();
}
