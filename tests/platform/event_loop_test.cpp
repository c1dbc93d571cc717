#include "platform/FakeLoop.h"

#include "platform/EventLoop.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(Timers, FireInDeadlineOrderAndTheLoopSleepsUntilTheNextOne) {
    FakeLoop f;
    std::string order;
    Timer clock(f.loop), repeat(f.loop), sound(f.loop);
    clock.SetInterval(150);
    repeat.SetInterval(80);
    sound.SetInterval(300);
    clock.OnTimer = [&] { order += 'c'; };
    repeat.OnTimer = [&] { order += 'r'; };
    sound.OnTimer = [&] { order += 's'; };
    while (f.now < 1000 + 600)
        f.loop.RunOnce();
    // r at 80,160,240,320,400,480,560; c at 150,300,450,600; s at 300,600
    EXPECT_EQ(order, "rcrrcsrrcrr");
    for (int w : f.waits)
        EXPECT_GT(w, 0) << "the loop must never spin";
    EXPECT_EQ(f.loop.NextTimeout(), 0); // c and s are due at 600 now
    f.loop.FireDueTimers();
    EXPECT_EQ(order, "rcrrcsrrcrrcs");
}

TEST(Timers, DisabledZeroIntervalAndRestartedTimers) {
    FakeLoop f;
    int fired = 0;
    Timer t(f.loop);
    t.OnTimer = [&] { ++fired; };
    t.SetEnabled(false);
    t.SetInterval(100);
    EXPECT_EQ(f.loop.NextTimeout(), -1);
    f.now += 500;
    f.loop.FireDueTimers();
    EXPECT_EQ(fired, 0);

    t.SetEnabled(true); // a fresh period from now
    EXPECT_EQ(f.loop.NextTimeout(), 100);
    f.now += 99;
    f.loop.FireDueTimers();
    EXPECT_EQ(fired, 0);
    f.now += 1;
    f.loop.FireDueTimers();
    EXPECT_EQ(fired, 1);

    f.now += 1000; // a long busy spell fires once, not ten times
    f.loop.FireDueTimers();
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(f.loop.NextTimeout(), 100);

    t.SetInterval(0);
    EXPECT_EQ(f.loop.NextTimeout(), -1);
}

TEST(Timers, AHandlerMayStopOrDestroyAnotherTimer) {
    FakeLoop f;
    auto victim = std::make_unique<Timer>(f.loop);
    Timer killer(f.loop), stopper(f.loop), stopped(f.loop);
    int victimFired = 0, stoppedFired = 0;
    killer.SetInterval(50);
    victim->SetInterval(50);
    stopper.SetInterval(50);
    stopped.SetInterval(50);
    killer.OnTimer = [&] { victim.reset(); };
    victim->OnTimer = [&] { ++victimFired; };
    stopper.OnTimer = [&] { stopped.SetEnabled(false); };
    stopped.OnTimer = [&] { ++stoppedFired; };
    f.now += 50;
    // Equal deadlines go in creation order: the victim fires once before the
    // killer runs, the stopped timer is switched off before its turn.
    f.loop.FireDueTimers();
    EXPECT_EQ(victimFired, 1);
    EXPECT_EQ(stoppedFired, 0);
    f.now += 50;
    f.loop.FireDueTimers();
    EXPECT_EQ(victimFired, 1);
    EXPECT_EQ(stoppedFired, 0);
}

TEST(ModalLoop, TimersKeepFiringUntilTheResultIsSet) {
    FakeLoop f;
    Window owner(f.loop), dialog(f.loop);
    Timer clock(f.loop), closer(f.loop);
    clock.SetInterval(150);
    closer.SetInterval(1000);
    int ticks = 0;
    clock.OnTimer = [&] { ++ticks; };
    closer.OnTimer = [&] { dialog.SetModalResult(mrYes); };
    EXPECT_EQ(f.loop.RunModal(dialog), mrYes);
    EXPECT_EQ(ticks, 6); // 150..900 fired before the result came at 1000
    EXPECT_EQ(f.loop.ModalWindow(), nullptr);
    EXPECT_FALSE(dialog.Visible());
}

TEST(ModalLoop, NestedInsideATimerHandlerTheSameTimerFiresAgain) {
    FakeLoop f;
    Window dialog(f.loop);
    Timer clock(f.loop);
    clock.SetInterval(150);
    int depth = 0, maxDepth = 0, calls = 0;
    clock.OnTimer = [&] {
        ++calls;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (calls == 1)
            dialog.ShowModal(); // a message shown from the clock
        else if (calls == 4)
            dialog.SetModalResult(mrOk);
        --depth;
    };
    while (calls == 0)
        f.loop.RunOnce();
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(maxDepth, 2); // re-entered once per period inside the modal loop
}

TEST(ModalLoop, QuitRequestEndsTheModalLoopWithCancelThenClosesTheMainWindow) {
    struct Main : Window {
        using Window::Window;
        int queries = 0;
        bool OnCloseQuery() override {
            ++queries;
            return true;
        }
    };
    FakeLoop f;
    Main main(f.loop);
    Window dialog(f.loop);
    f.loop.SetMainWindow(&main);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    f.queue.push_back(quit);
    EXPECT_EQ(f.loop.RunModal(dialog), mrCancel);
    EXPECT_EQ(main.queries, 0); // not while the dialog is up
    f.loop.Run();               // handles the pending request, then ends
    EXPECT_EQ(main.queries, 1);
    EXPECT_TRUE(f.loop.QuitCalled());
}
