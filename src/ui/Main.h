// The game's main window: it owns the panels and the sound player, paints the
// whole screen, turns every press into a window action or a panel command, and
// drives the game clock.
#pragma once

#include "persist/SessionFile.h"
#include "platform/Bitmap.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "sim/Actions.h"
#include "sim/Clock.h"
#include "ui/CommandPrompts.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class GPalmScreen;
class GRuler;
class GPlanPage;
class SoundPlayer;

constexpr int MainWidth = 780;
constexpr int MainHeight = 560;

enum MainArea : uint8_t {
    maNone = 0,
    maPalmIdle = 1,
    maMinimize = 2,
    maFullScreen = 3,
    maClose = 4,
    maPalm = 5,
    maRuler = 6,
    maPlan = 7,
    maSpeedPause = 8,
    maSpeedNormal = 9,
    maSpeedFast = 10,
    maMenuButton = 11,
    maSound = 12,
};

// The process-wide objects the main window creates and destroys; null while
// there is no main window.
extern GPalmScreen* PalmScreen;
extern GRuler* Ruler;
extern GPlanPage* Plan;
extern SoundPlayer* GameSounds;
extern bool IsFullScreen;

class TformMain : public Window {
public:
    // prompts: how commands ask the player (message windows and file dialogs
    // unless a test gives its recorder). The window is shown by Start().
    explicit TformMain(EventLoop& loop, std::unique_ptr<CommandPrompts> prompts = {});
    TformMain();
    ~TformMain() override;

    // Creates the system window, shows it centred and runs FormCreate. False
    // when no window can be made.
    bool Start();

    void ApplyScreenMode();
    // Ctrl+Plus (+1), Ctrl+Minus (-1) and Ctrl+0 (0: back to automatic) on the
    // window's scale; the window keeps its centre.
    void StepScale(int step);
    // The scale of the window outside full screen: the stored choice, or the
    // automatic one for this desktop.
    int WindowedScale() const;
    int ScaleSetting() const { return mScaleSetting; }
    Point GetOrigin() const;
    uint8_t HitTest(int x, int y);
    void ShowDefaultPage();
    void ShowMainMenu();
    void ShowVacancy(int32_t slot);
    void ShowRulerItem(int32_t index);

    void ProcessPalmScreenClick();
    void ProcessRulerClick();
    void ProcessPlanClick();

    // The window's handlers, callable by tests with window coordinates.
    void FormPaint(Canvas& canvas);
    void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);
    void FormMouseMove(ShiftState shift, int x, int y);
    void FormMouseUp(MouseButton button, ShiftState shift, int x, int y);
    bool FormKeyDown(int key, ShiftState shift);
    bool FormCloseQuery();
    void tmrRepeatMouseDownTimer();
    void tmrClockTimer();

    CommandPrompts& Prompts() { return *mPrompts; }
    // Sees every sound the window asks for, by name (tests listen here).
    std::function<void(const std::string&)> OnSound;
    GameClock& Clock() { return mClock; }
    Timer tmrRepeatMouseDown;
    Timer tmrSound;
    Timer tmrClock;

    Point mLastDragPoint;
    int mWindowedLeft = 0;
    int mWindowedTop = 0;
    bool mDraggingWindow = false;
    bool mDraggingThumb = false;
    bool mRepeatClick = false;
    bool& InTick;
    int32_t& TickCounter;
    Bitmap mBackground;
    Bitmap mBackgroundClosed;
    Bitmap mBorderIcons;
    Bitmap mSpeedButtons;
    Bitmap mSoundIcons;

protected:
    void OnPaint(Canvas& canvas) override { FormPaint(canvas); }
    void OnMouseDown(MouseButton b, ShiftState s, int x, int y) override;
    void OnMouseMove(ShiftState s, int x, int y) override { FormMouseMove(s, x, y); }
    void OnMouseUp(MouseButton b, ShiftState s, int x, int y) override { FormMouseUp(b, s, x, y); }
    bool OnKeyDown(int key, ShiftState s) override { return FormKeyDown(key, s); }
    bool OnCloseQuery() override { return FormCloseQuery(); }

private:
    void InstallHost();
    void PlayNamed(const std::string& name);
    // Runs a command with the clock held, restoring the flag afterwards.
    template <class F> void RunCommand(F&& command);
    // Shows what an action asks for and applies its screen effects.
    void Apply(const ActionResult& r);
    void StartRepeat(uint8_t area, uint8_t hot);
    bool RepeatStillOnArrow();
    void ToggleFullScreen();
    // All sound off at once, or all back on; the click stays audible either way.
    void ToggleSound();
    bool SoundOff() const;
    // The speed buttons' and the clock keys' one way to set the clock.
    void SetClockSpeed(int speed);
    void DragWindowToPointer();
    void LoadGameCommand();
    void SaveGameCommand();
    void ContinueCommand();
    bool PalmGameCommand(uint8_t area);
    bool PalmPropertyCommand(uint8_t area);
    bool PalmServiceCommand(uint8_t area);

    std::unique_ptr<CommandPrompts> mPrompts;
    GameClock mClock;
    // The running session's recording, for a bug report to carry.
    SessionFile mSession;
    // The area and panel hot area a repetition started on.
    uint8_t mRepeatArea = maNone;
    uint8_t mRepeatHot = 0;
    bool mCloseRequested = false;
    bool mCentred = false;
    // The stored WindowScale: 0 automatic, else 1..4.
    int mScaleSetting = 0;
    // Where Space resumes from pause.
    int mLastRunningSpeed = 1;
    std::unique_ptr<SoundPlayer> mSounds;
    std::unique_ptr<GPalmScreen> mPalm;
    std::unique_ptr<GRuler> mRuler;
    std::unique_ptr<GPlanPage> mPlan;
};

extern TformMain* formMain;

// The eleven layers of the main window's picture on a canvas of W x H.
struct MainScreenParts {
    const Bitmap* Background = nullptr;
    const Bitmap* BackgroundClosed = nullptr;
    const Bitmap* BorderIcons = nullptr;
    const Bitmap* SpeedButtons = nullptr;
    const Bitmap* SoundIcons = nullptr;
    bool SoundOff = false;
    GPalmScreen* Palm = nullptr;
    GRuler* RulerStrip = nullptr;
    GPlanPage* PlanPage = nullptr;
    bool FullScreen = false;
};
void ComposeMainScreen(Canvas& canvas, int width, int height, const MainScreenParts& parts);
// ((W - 780) / 2, (H - 560) / 2): where the play area sits in a window of that size.
Point PlayAreaOrigin(int width, int height);
