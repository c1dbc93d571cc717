// The main window's life: construction in the game's order, the core's hooks,
// the screen modes, the default pages, and destruction.
#include "ui/Main.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "model/GameInfo.h"
#include "model/ProgramFolder.h"
#include "persist/DebugLog.h"
#include "persist/Settings.h"
#include "platform/CursorTable.h"
#include "platform/EventLoop.h"
#include "platform/Scale.h"
#include "sim/Requests.h"
#include "sim/Startup.h"
#include "sound/Playsound.h"
#include "ui/Palmscreen.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"
#include "ui/ScreenButtons.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <algorithm>

TformMain* formMain = nullptr;
GPalmScreen* PalmScreen = nullptr;
GRuler* Ruler = nullptr;
GPlanPage* Plan = nullptr;
SoundPlayer* GameSounds = nullptr;
bool IsFullScreen = false;

namespace {

constexpr const char* SoundSettingNames[] = {"SoundVolume", "MusicVolume", "AmbientVolume",
                                             "MuteSound",   "MuteMusic",   "MuteAmbient"};

SoundSettings ReadSoundSettings() {
    SoundSettings s;
    s.SoundVolume = ReadSettingInt(SoundSettingNames[0]);
    s.MusicVolume = ReadSettingInt(SoundSettingNames[1]);
    s.AmbientVolume = ReadSettingInt(SoundSettingNames[2]);
    s.MuteSound = ReadSettingInt(SoundSettingNames[3]) != 0;
    s.MuteMusic = ReadSettingInt(SoundSettingNames[4]) != 0;
    s.MuteAmbient = ReadSettingInt(SoundSettingNames[5]) != 0;
    return s;
}

void WriteSoundSettings(const SoundSettings& s) {
    WriteSettingInt(SoundSettingNames[0], s.SoundVolume);
    WriteSettingInt(SoundSettingNames[1], s.MusicVolume);
    WriteSettingInt(SoundSettingNames[2], s.AmbientVolume);
    WriteSettingInt(SoundSettingNames[3], s.MuteSound ? 1 : 0);
    WriteSettingInt(SoundSettingNames[4], s.MuteMusic ? 1 : 0);
    WriteSettingInt(SoundSettingNames[5], s.MuteAmbient ? 1 : 0);
}

} // namespace

TformMain::TformMain() : TformMain(EventLoop::Main()) {}

TformMain::TformMain(EventLoop& loop, std::unique_ptr<CommandPrompts> prompts)
    : Window(loop), tmrRepeatMouseDown(loop), tmrSound(loop), tmrClock(loop), InTick(mClock.InTick),
      TickCounter(mClock.TickCounter),
      mPrompts(prompts ? std::move(prompts) : MakeWindowPrompts()) {
    formMain = this;
    mScaleSetting = std::clamp(ReadSettingInt("WindowScale"), 0, MaxScale);
    Window::SetScale(WindowedScale());
    Create(GameName, MainWidth, MainHeight);
    {
        // The emblem the task bar and the window list show.
        Bitmap icon;
        if (LoadImageBitmap(icon, "appicon")) SetIcon(icon);
    }
    // The hooks come first, so what start-up reports (a bad building file, no
    // sound device) reaches the player too, not only the debug log.
    InstallHost();
    GameStartup();

    LoadImageBitmap(mBackground, "bg");
    LoadImageBitmap(mBackgroundClosed, "bgclosed");
    LoadImageBitmap(mBorderIcons, "bdricons");
    LoadImageBitmap(mSpeedButtons, "plmbtns");
    LoadImageBitmap(mSoundIcons, "sndicons");
    ScreenButtons = std::make_unique<Bitmap>();
    LoadImageBitmap(*ScreenButtons, "pscreenbtns");

    SoundSettings sound = ReadSoundSettings();
    IsFullScreen = ReadSettingInt("MIsFullScreen") != 0;
    WriteInstallPath(ProgramFolder());

    mDraggingWindow = mDraggingThumb = mRepeatClick = false;
    InTick = false;
    TickCounter = 0;

    const std::string cursors = ProgramFolder() + "Cursors/";
    ScreenCursors().Load(3, cursors + "crmain.cur");
    ScreenCursors().Load(4, cursors + "crhl.cur");
    ScreenCursors().Load(5, cursors + "crdragone.cur");
    ScreenCursors().Load(6, cursors + "crdragreject.cur");
    SetCursorEntry(3);

    tmrRepeatMouseDown.SetInterval(80);
    tmrRepeatMouseDown.SetEnabled(false);
    tmrRepeatMouseDown.OnTimer = [this] { tmrRepeatMouseDownTimer(); };
    tmrSound.SetInterval(300);
    tmrSound.SetEnabled(false);
    tmrClock.SetInterval(150);
    tmrClock.OnTimer = [this] { tmrClockTimer(); };

    mSounds = std::make_unique<SoundPlayer>(tmrSound, sound);
    GameSounds = mSounds.get();
    TempBitmaps = std::make_unique<GTempBitmapCache>();
    mPalm = std::make_unique<GPalmScreen>(ScreenButtonsStrip());
    PalmScreen = mPalm.get();
    mRuler = std::make_unique<GRuler>(ScreenButtonsStrip());
    Ruler = mRuler.get();
    mPlan = std::make_unique<GPlanPage>(ScreenButtonsStrip());
    Plan = mPlan.get();
    loop.SetMainWindow(this);

    ApplyScreenMode();
    ShowDefaultPage();
}

TformMain::~TformMain() {
    WriteSoundSettings(mSounds ? mSounds->Settings() : SoundSettings{});
    WriteSettingInt("MIsFullScreen", IsFullScreen ? 1 : 0);
    WriteSettingInt("WindowScale", mScaleSetting);

    SetGameHost({});
    Plan = nullptr;
    mPlan.reset();
    Ruler = nullptr;
    mRuler.reset();
    PalmScreen = nullptr;
    mPalm.reset();
    TempBitmaps.reset();
    GameSounds = nullptr;
    mSounds.reset();
    tmrSound.OnTimer = nullptr;

    mBackground = Bitmap();
    mBackgroundClosed = Bitmap();
    mBorderIcons = Bitmap();
    mSpeedButtons = Bitmap();
    mSoundIcons = Bitmap();
    ScreenButtons.reset();

    GameShutdown();
    if (Loop().MainWindow() == this) Loop().SetMainWindow(nullptr);
    if (formMain == this) formMain = nullptr;
}

bool TformMain::Start() {
    if (!IsOpen()) return false;
    // The first show is centred; that place is also where the window returns
    // from full screen until it is dragged.
    const Point screen = ScreenSize();
    const int n = WindowedScale();
    mWindowedLeft = (screen.x - MainWidth * n) / 2;
    mWindowedTop = (screen.y - MainHeight * n) / 2;
    mCentred = true;
    ApplyScreenMode();
    Show();
    return true;
}

void TformMain::InstallHost() {
    GameHost h;
    h.ErrorBox = [this](const std::string& text) {
        mPrompts->SystemError(text, GeneralErrorCaption);
    };
    h.MessageBox = [this](const std::string& text, const std::string& caption) {
        mPrompts->Message(text, caption);
    };
    h.SystemError = [this](const std::string& text, const std::string& caption) {
        mPrompts->SystemError(text, caption);
    };
    h.PlaySound = [this](const std::string& name) { PlayNamed(name); };
    h.RefreshAfterDay = [this] {
        mPalm->UpdateInternalScreen();
        mRuler->UpdateStrip();
        Invalidate();
    };
    h.ReturnToDefaultPage = [this] { ShowDefaultPage(); };
    SetGameHost(h);
}

void TformMain::PlayNamed(const std::string& name) {
    if (OnSound) OnSound(name);
    if (const uint8_t kind = SoundKindByName(name); kind != 0 && mSounds) mSounds->PlaySound(kind);
}

Point PlayAreaOrigin(int width, int height) {
    return {(width - MainWidth) / 2, (height - MainHeight) / 2};
}

Point TformMain::GetOrigin() const {
    return PlayAreaOrigin(ClientWidth(), ClientHeight());
}

int TformMain::WindowedScale() const {
    return EffectiveScale(mScaleSetting, AutomaticScale(ScreenSize(), {MainWidth, MainHeight}));
}

void TformMain::ApplyScreenMode() {
    if (IsFullScreen) {
        Window::SetScale(FullScreenScale(ScreenSize(), {MainWidth, MainHeight}));
        SetFullScreenDesktop(true);
    } else {
        SetFullScreenDesktop(false);
        const int n = WindowedScale();
        Window::SetScale(n);
        if (mCentred) SetBounds(mWindowedLeft, mWindowedTop, MainWidth * n, MainHeight * n);
    }
    Invalidate();
}

void TformMain::StepScale(int step) {
    const int before = WindowedScale();
    mScaleSetting = step == 0 ? 0 : std::clamp(before + step, 1, MaxScale);
    const int after = WindowedScale();
    if (IsFullScreen || after == before) return;
    // Around the same centre; the stored place is the window's top left.
    const Rect b = Bounds();
    const int cx = IsOpen() ? (b.left + b.right) / 2 : mWindowedLeft + MainWidth * before / 2;
    const int cy = IsOpen() ? (b.top + b.bottom) / 2 : mWindowedTop + MainHeight * before / 2;
    mWindowedLeft = cx - MainWidth * after / 2;
    mWindowedTop = cy - MainHeight * after / 2;
    mCentred = true;
    ApplyScreenMode();
}

void TformMain::ToggleFullScreen() {
    IsFullScreen = !IsFullScreen;
    ApplyScreenMode();
}

namespace {

// Selects only the staff position (or nothing) and shows the palm page of that mode.
void ShowPage(GRuler& ruler, GPalmScreen& palm, int32_t slot, uint8_t mode) {
    GameState.SelectedSlot = slot;
    GameState.SelectedCharacter = -1;
    GameState.SelectedGroup = -1;
    ruler.UpdateStrip();
    palm.SetMode(mode);
}

} // namespace

bool TformMain::SoundOff() const {
    if (!mSounds) return false;
    const SoundSettings& s = mSounds->Settings();
    return s.MuteSound && s.MuteAmbient && s.MuteMusic;
}

void TformMain::ToggleSound() {
    if (!mSounds) return;
    SoundSettings s = mSounds->Settings();
    const bool off = !SoundOff();
    // The click before the sound goes, or after it is back.
    if (off) PlayNamed("click");
    s.MuteSound = s.MuteAmbient = s.MuteMusic = off;
    mSounds->SetSettings(s);
    if (!off) PlayNamed("click");
    Invalidate();
}

void TformMain::ShowDefaultPage() {
    ShowPage(*mRuler, *mPalm, -1, DefaultPalmMode());
    Invalidate();
}

void TformMain::ShowMainMenu() {
    PlayNamed("click");
    ShowPage(*mRuler, *mPalm, -1, pmMainMenu);
    Invalidate();
}

void TformMain::ShowVacancy(int32_t slot) {
    ShowPage(*mRuler, *mPalm, slot, pmVacancyInfo);
    Invalidate();
}

void TformMain::ShowRulerItem(int32_t index) {
    GameState.SelectedSlot = -1;
    if (mRuler->mTab == rtVisitors) {
        GameState.SelectedCharacter = -1;
        GameState.SelectedGroup = index;
        mPalm->SetMode(pmVisitorsInfo);
    } else {
        GameState.SelectedCharacter = index;
        GameState.SelectedGroup = -1;
        // Seeing a character changes the saved game, so it is a request.
        if (index != -1) Perform(RequestOnSelections(RequestKind::ViewCharacter));
        mPalm->SetMode(pmCharacterInfo);
    }
    mRuler->UpdateStrip();
    Invalidate();
}
