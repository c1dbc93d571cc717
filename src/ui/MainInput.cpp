// The main window's input: the hit test, presses, drags, the held-click
// repetition, keys, the close query and the clock timer.
#include "model/Game.h"
#include "persist/Autosave.h"
#include "persist/SaveGame.h"
#include "platform/EventLoop.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"
#include "ui/Utilities.h"

uint8_t TformMain::HitTest(int x, int y) {
    const Point o = GetOrigin();
    const int W = ClientWidth();
    if (PointInRect(o.x + 524, o.y + 56, o.x + 738, o.y + 386, x, y))
        return mPalm->IsHotArea(x - o.x - 524, y - o.y - 56) ? maPalm : maPalmIdle;
    if (PointInRect(o.x, o.y + 460, o.x + 780, o.y + 560, x, y))
        return mRuler->IsHotArea(x - o.x, y - o.y - 460) ? maRuler : maNone;
    if (PointInRect(o.x, o.y, o.x + 480, o.y + 465, x, y))
        return mPlan->IsHotArea(x - o.x, y - o.y) ? maPlan : maNone;
    if (PointInRect(W - 68, 0, W - 52, 18, x, y)) return maSound;
    if (PointInRect(W - 51, 0, W - 35, 18, x, y)) return maMinimize;
    if (PointInRect(W - 34, 0, W - 18, 18, x, y)) return maFullScreen;
    if (PointInRect(W - 17, 0, W, 18, x, y)) return maClose;
    if (PointInRect(o.x + 580, o.y + 413, o.x + 614, o.y + 443, x, y)) return maSpeedPause;
    if (PointInRect(o.x + 614, o.y + 413, o.x + 648, o.y + 443, x, y)) return maSpeedNormal;
    if (PointInRect(o.x + 648, o.y + 413, o.x + 682, o.y + 443, x, y)) return maSpeedFast;
    if (PointInRect(o.x + 693, o.y + 413, o.x + 723, o.y + 443, x, y)) return maMenuButton;
    return maNone;
}

template <class F> void TformMain::RunCommand(F&& command) {
    // Saved and restored, not cleared: a press handled inside a modal window
    // must never let the clock run while the outer command waits.
    const bool held = InTick;
    InTick = true;
    command();
    InTick = held;
}

void TformMain::OnMouseDown(MouseButton b, ShiftState s, int x, int y) {
    FormMouseDown(b, s, x, y);
    // A close asked for by a command takes effect once the command is over.
    if (mCloseRequested) {
        mCloseRequested = false;
        Close();
    }
}

void TformMain::FormMouseDown(MouseButton button, ShiftState, int x, int y) {
    mDraggingWindow = false;
    mDraggingThumb = false;
    if (button != mbLeft) return;
    const uint8_t area = HitTest(x, y);
    switch (area) {
    case maNone:
        ShowDefaultPage();
        [[fallthrough]];
    case maPalmIdle:
        if (!IsFullScreen) {
            mLastDragPoint = PointerScreenPos();
            if (!IsOpen()) mLastDragPoint = {x, y};
            mDraggingWindow = true;
        }
        break;
    case maMinimize:
        PlayNamed("click");
        Minimize();
        break;
    case maFullScreen:
        PlayNamed("click");
        ToggleFullScreen();
        break;
    case maClose:
        mCloseRequested = true;
        break;
    case maSound:
        ToggleSound();
        break;
    case maPalm:
        RunCommand([this] { ProcessPalmScreenClick(); });
        break;
    case maRuler:
        RunCommand([this] { ProcessRulerClick(); });
        break;
    case maPlan:
        RunCommand([this] { ProcessPlanClick(); });
        break;
    case maSpeedPause:
    case maSpeedNormal:
    case maSpeedFast:
        SetClockSpeed(area - maSpeedPause);
        break;
    case maMenuButton:
        ShowMainMenu();
        break;
    default:
        break;
    }
}

void TformMain::FormMouseMove(ShiftState shift, int x, int y) {
    const uint8_t area = HitTest(x, y);
    SetCursorEntry(area != maNone && area != maPalmIdle ? 4 : 3);
    if (!(shift & ssLeft)) {
        mRepeatClick = false;
        return;
    }
    if (mDraggingWindow && !IsFullScreen) DragWindowToPointer();
    if (mDraggingThumb) {
        const Point o = GetOrigin();
        const int h = mPalm->ScreenHeight();
        mPalm->SetScroll((h - PalmViewHeight) * (y - o.y - 110) / ThumbTravel);
        Invalidate(Rect{o.x + 524, o.y + 56, o.x + 738, o.y + 386});
        Update();
    }
}

// Moves the window by the pointer's movement since the last step, in screen
// coordinates. SDL drops a motion event whose window position repeats, which a
// window that follows the pointer makes common, so the release takes a last step.
void TformMain::DragWindowToPointer() {
    const Point p = PointerScreenPos();
    const Rect b = Bounds();
    const int left = b.left + p.x - mLastDragPoint.x;
    const int top = b.top + p.y - mLastDragPoint.y;
    mLastDragPoint = p;
    if (left != b.left || top != b.top) SetBounds(left, top, b.Width(), b.Height());
    mWindowedLeft = left;
    mWindowedTop = top;
}

void TformMain::FormMouseUp(MouseButton, ShiftState, int, int) {
    if (mDraggingWindow && !IsFullScreen) DragWindowToPointer();
    mDraggingWindow = false;
    mDraggingThumb = false;
    mRepeatClick = false;
}

void TformMain::StartRepeat(uint8_t area, uint8_t hot) {
    mRepeatArea = area;
    mRepeatHot = hot;
    mRepeatClick = true;
    tmrRepeatMouseDown.SetEnabled(true);
}

// The repetition goes on only while the pointer stays on the arrow that was
// pressed first, so a held button never runs another command.
bool TformMain::RepeatStillOnArrow() {
    const Point p = ScreenToClient(PointerScreenPos());
    const uint8_t area = HitTest(p.x, p.y);
    if (area != mRepeatArea) return false;
    if (area == maPalm) return mPalm->LastHotArea == mRepeatHot;
    if (area == maRuler) return mRuler->LastHotArea == mRepeatHot;
    return false;
}

void TformMain::tmrRepeatMouseDownTimer() {
    // A modal window ends the repetition: its owner's press is over.
    if (Loop().ModalWindow()) mRepeatClick = false;
    if (mRepeatClick) {
        const Rect b = Bounds();
        const Point p = PointerScreenPos();
        const bool inside = b.left < p.x && p.x < b.right && b.top < p.y && p.y < b.bottom;
        const Point at = ScreenToClient(p);
        if (inside && RepeatStillOnArrow())
            FormMouseDown(mbLeft, ssLeft, at.x, at.y);
        else
            mRepeatClick = false;
    }
    if (!mRepeatClick) tmrRepeatMouseDown.SetEnabled(false);
}

void TformMain::SetClockSpeed(int speed) {
    GameState.ClockSpeed = speed;
    if (speed > 0) mLastRunningSpeed = speed;
    PlayNamed("click");
    Invalidate();
}

bool TformMain::FormKeyDown(int key, ShiftState shift) {
    // The loop already sends keys to a modal window; this also holds for a
    // caller that hands keys over directly.
    if (Window* modal = Loop().ModalWindow(); modal && modal != this) return false;
    if ((key == vkReturn && (shift & ssAlt)) || key == vkF11) {
        ToggleFullScreen();
        return true;
    }
    const bool plain = (shift & (ssCtrl | ssAlt)) == 0;
    if (plain && key == vkSpace) {
        if (GameState.ClockSpeed == 0) {
            SetClockSpeed(mLastRunningSpeed);
        } else {
            // A speed from a loaded game counts as well as one chosen here.
            mLastRunningSpeed = GameState.ClockSpeed;
            SetClockSpeed(0);
        }
        return true;
    }
    if (shift & ssCtrl) {
        // Plus is Shift+= on most layouts; both count, and the keypad's.
        if (key == '+' || key == '=' || key == vkKpPlus) {
            StepScale(1);
            return true;
        }
        if (key == '-' || key == vkKpMinus) {
            StepScale(-1);
            return true;
        }
        if (key == '0' || key == vkKp0) {
            StepScale(0);
            return true;
        }
    }
    if (plain && key == 'm') {
        ToggleSound();
        return true;
    }
    if (plain && key >= '1' && key <= '3') {
        SetClockSpeed(key - '1');
        return true;
    }
    if (key == vkEscape) {
        if (mPalm->mData.Mode == pmMainMenu)
            ShowDefaultPage();
        else
            ShowMainMenu();
        return true;
    }
    return false;
}

bool TformMain::FormCloseQuery() {
    if (GameState.GameInProgress && GameState.PropertyCount() > 0) SaveGame(AutosavePath());
    mSession.Flush();
    return true;
}

void TformMain::tmrClockTimer() {
    const double before = GameState.GameTime;
    mClock.OnTimer();
    if (GameState.GameTime != before) Invalidate();
}
