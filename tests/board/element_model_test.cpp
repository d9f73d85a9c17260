// The element model on a small window of its own: pictures, mouse routing,
// access keys, timers and window lifetimes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/failure.h"
#include "board/runtime.h"
#include "support/recorder.h"
#include "support/scripted_random.h"

using namespace board;

namespace {

// clang-format off
WindowLayout test_window() {
    using enum Kind;
    return WindowLayout{
        .name = "Test",
        .caption = "Test",
        .width = 3000,
        .height = 3000,
        .rows = {
            {.name = "Panel", .kind = Frame, .left = 2000, .top = 2000, .width = 900, .height = 900},
            {.name = "Inside", .kind = Picture, .container = "Panel", .left = 100, .top = 100,
             .width = 300, .height = 300, .picture = "pic_ring"},
            {.name = "Go", .kind = Button, .width = 600, .height = 300, .caption = "&Начать",
             .tab_index = 1},
            {.name = "Off", .kind = Button, .top = 400, .width = 600, .height = 300, .enabled = false,
             .caption = "&Off", .tab_index = 0},
            {.name = "Away", .kind = Button, .left = 5000, .width = 300, .height = 300, .caption = "&Y",
             .tab_index = 2},
            {.name = "Box", .kind = TextBox, .top = 800, .width = 600, .height = 300, .text = "x",
             .tab_index = 3},
            {.name = "Top", .kind = Picture, .left = 1000, .top = 1000, .width = 500, .height = 500,
             .visible = false, .picture = "pic_ring"},
            {.name = "Middle", .kind = Picture, .left = 1000, .top = 1000, .width = 500, .height = 500,
             .picture = "pic_ring"},
            {.name = "Bottom", .kind = Picture, .left = 1000, .top = 1000, .width = 500, .height = 500,
             .picture = "pic_ring"},
            // A label listed above the button it overlaps still lies beneath it.
            {.name = "Cover", .kind = Label, .width = 600, .height = 300},
            {.name = "Tick", .kind = Timer, .enabled = false, .interval = 100},
            {.name = "Fast", .kind = Timer, .enabled = false, .interval = 1},
        },
    };
}
// clang-format on

Kind w_layout_kind(std::string_view element) {
    for (const ElementRow& row : test_window().rows) {
        if (row.name == element) return row.kind;
    }
    return Kind::Label;
}

struct ModelTest : ::testing::Test {
    ManualClock clock;
    testing_support::ScriptedRandom random;
    testing_support::Recorder recorder;  // outlives the game it listens to
    Runtime game{clock, random};
    std::vector<std::string> log;

    ModelTest() {
        recorder.listen_to(game);
        game.define(test_window());
        for (const char* element :
             {"Top", "Middle", "Bottom", "Inside", "Go", "Away", "Off", "Cover"}) {
            for (auto [event, name] : {std::pair{Event::MouseDown, "down"},
                                       {Event::MouseUp, "up"},
                                       {Event::Click, "click"},
                                       {Event::DblClick, "dbl"}}) {
                const bool button = w_layout_kind(element) == Kind::Button;
                if (button && event == Event::DblClick) continue;
                game.on("Test", element, event, [this, element, name](Runtime&) {
                    log.push_back(std::string(element) + " " + name);
                });
            }
        }
        game.on("Test", "Tick", Event::Timer,
                [this](Runtime& g) { log.push_back("tick@" + std::to_string(g.now() / 1000)); });
        game.show("Test");
    }
    Window& w() { return game.window("Test"); }
    void click_at(int x, int y) {
        game.mouse_down("Test", x, y);
        game.mouse_up("Test", x, y);
    }
    void wait_ms(std::int64_t ms) { advance(game, clock, milliseconds(ms)); }
};

}  // namespace

TEST_F(ModelTest, PicturesAreSharedObjectsComparedByIdentity) {
    // Loaded from the layout, the same art still gives different pictures.
    EXPECT_FALSE(same_picture(w()["Middle"].picture(), w()["Bottom"].picture()));
    EXPECT_NE(handle_of(w()["Middle"].picture()), 0u);
    EXPECT_EQ(handle_of(nullptr), 0u);
    w()["Middle"].set_picture(w()["Bottom"].picture());
    EXPECT_TRUE(same_picture(w()["Middle"].picture(), w()["Bottom"].picture()));
    // The shared object outlives the element that first held it.
    const auto handle = handle_of(w()["Middle"].picture());
    w()["Bottom"].set_picture(nullptr);
    EXPECT_EQ(handle_of(w()["Middle"].picture()), handle);
}

TEST_F(ModelTest, APressReachesTheTopmostShownElement) {
    click_at(1200, 1200);  // "Top" is hidden: the press goes to the one below
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Middle click"}));
    log.clear();
    w()["Middle"].set_enabled(false);
    click_at(1200, 1200);  // disabled: nothing at all, not even the one beneath
    EXPECT_TRUE(log.empty());
    w()["Middle"].set_visible(false);
    click_at(1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Bottom down", "Bottom up", "Bottom click"}));
}

TEST_F(ModelTest, ButtonsLieAboveLabelsWhateverTheirPlaceInTheList) {
    click_at(100, 100);
    EXPECT_EQ(log, (std::vector<std::string>{"Go down", "Go up", "Go click"}));
}

TEST_F(ModelTest, ElementsOfAFrameAreHitInsideItAndHiddenWithIt) {
    click_at(2200, 2200);  // frame at 2000 + picture at 100
    EXPECT_EQ(log, (std::vector<std::string>{"Inside down", "Inside up", "Inside click"}));
    log.clear();
    w()["Panel"].set_visible(false);
    EXPECT_FALSE(w()["Inside"].shown());
    click_at(2200, 2200);
    EXPECT_TRUE(log.empty());
}

TEST_F(ModelTest, TheReleaseGoesToThePressedElementAndClicksOnlyOverIt) {
    game.mouse_down("Test", 1200, 1200);
    game.mouse_up("Test", 100, 2900);  // released elsewhere
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up"}));
    log.clear();
    game.mouse_down("Test", 1200, 1200, MouseButton::Right);
    game.mouse_up("Test", 1200, 1200, MouseButton::Right);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up"}));  // no click
}

TEST_F(ModelTest, ASecondQuickPressIsADoubleClick) {
    click_at(1200, 1200);
    clock.set(clock.now() + milliseconds(200));
    click_at(1210, 1190);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Middle click",
                                             "Middle dbl", "Middle up"}));
    // A third press starts afresh.
    log.clear();
    click_at(1200, 1200);
    EXPECT_EQ(log.front(), "Middle down");
}

TEST_F(ModelTest, SlowFarOrElsewhereSecondPressesAreSinglePresses) {
    click_at(1200, 1200);
    clock.set(clock.now() + milliseconds(600));
    click_at(1200, 1200);  // too late
    clock.set(clock.now() + milliseconds(100));
    click_at(1400, 1400);  // too far
    EXPECT_EQ(std::count(log.begin(), log.end(), "Middle click"), 3);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Middle dbl"), 0);
    log.clear();
    // The first click hides its element; the second press lands on another one.
    game.on("Test", "Middle", Event::Click,
            [](Runtime& g) { g.window("Test")["Middle"].set_visible(false); });
    clock.set(clock.now() + seconds(2));
    click_at(1200, 1200);
    click_at(1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Bottom down", "Bottom up",
                                             "Bottom click"}));
}

TEST_F(ModelTest, AccessKeysClickEnabledShownButtonsCaseBlind) {
    EXPECT_TRUE(game.access_key("Test", U'н'));  // Cyrillic, lower case
    EXPECT_TRUE(game.access_key("Test", U'Н'));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Go click"), 2);
    EXPECT_FALSE(game.access_key("Test", U'o'));  // disabled button
    EXPECT_TRUE(game.access_key("Test", U'y'));   // placed beyond the client area
    EXPECT_EQ(log.back(), "Away click");
    w()["Away"].set_visible(false);
    EXPECT_FALSE(game.access_key("Test", U'Y'));
    EXPECT_FALSE(game.access_key("Test", U'q'));
    EXPECT_FALSE(game.click("Test", "Off"));
}

TEST_F(ModelTest, FocusGoesToTheFirstEnabledShownControlInTabOrder) {
    EXPECT_EQ(w().initial_focus()->name(), "Go");  // "Off" comes first but is disabled
    std::vector<std::string> order;
    for (const Element* e : w().focus_order()) order.push_back(e->name());
    EXPECT_EQ(order, (std::vector<std::string>{"Off", "Go", "Away", "Box"}));
}

TEST_F(ModelTest, TimersTickOnTheirOwnBeatWithoutDrift) {
    w()["Tick"].set_enabled(true);
    wait_ms(350);
    EXPECT_EQ(log, (std::vector<std::string>{"tick@100", "tick@200", "tick@300"}));
    log.clear();
    // A busy program: ticks missed meanwhile are dropped, at most one waits, and
    // the beat stays where it was.
    clock.set(clock.now() + milliseconds(480));  // now 830
    game.run_due_timers();
    wait_ms(100);
    EXPECT_EQ(log, (std::vector<std::string>{"tick@830", "tick@900"}));
}

TEST_F(ModelTest, TimerIntervalsAndSwitching) {
    Element& tick = w()["Tick"];
    tick.set_interval(0);
    tick.set_enabled(true);
    wait_ms(5000);
    EXPECT_TRUE(log.empty());  // interval 0 never ticks
    tick.set_interval(65535);
    EXPECT_EQ(tick.due(), clock.now() + milliseconds(65535));
    try {
        tick.set_interval(65536);
        FAIL() << "65536 accepted";
    } catch (const Failure& f) {
        EXPECT_EQ(f.code(), FailureCode::InvalidPropertyValue);
    }
    EXPECT_THROW(tick.set_interval(-1), Failure);
    EXPECT_EQ(tick.interval(), 65535);
    // Switching off and on starts the count afresh.
    tick.set_interval(100);
    wait_ms(50);
    tick.set_enabled(false);
    tick.set_enabled(true);
    wait_ms(60);
    EXPECT_TRUE(log.empty());
    wait_ms(40);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(ModelTest, ShortIntervalsTickAtThePlatformPace) {
    int ticks = 0;
    game.on("Test", "Fast", Event::Timer, [&](Runtime&) { ++ticks; });
    w()["Fast"].set_enabled(true);
    wait_ms(1000);
    EXPECT_EQ(ticks, 64);
}

TEST_F(ModelTest, AHiddenWindowKeepsTicksAndUnloadForgetsEverything) {
    w()["Tick"].set_enabled(true);
    w()["Go"].set_caption("changed");
    game.hide("Test");
    wait_ms(250);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(w()["Go"].caption(), "changed");
    game.show("Test");
    EXPECT_EQ(w()["Go"].caption(), "changed");
    game.unload("Test");
    EXPECT_EQ(game.find_window("Test"), nullptr);
    EXPECT_FALSE(game.next_due().has_value());
    game.show("Test");
    EXPECT_EQ(w()["Go"].caption(), "&Начать");
    EXPECT_FALSE(w()["Tick"].enabled());
}

TEST_F(ModelTest, ChangesRaiseTheWindowRevisionOnlyWhenSomethingChanges) {
    const auto before = w().revision();
    w()["Go"].set_caption("&Начать");
    w()["Middle"].set_visible(true);
    EXPECT_EQ(w().revision(), before);
    w()["Middle"].set_left(10);
    EXPECT_GT(w().revision(), before);
}

TEST_F(ModelTest, PointersFollowTheElementUnderThePoint) {
    Window& win = w();
    win["Middle"].set_mouse_pointer(PointerKind::Custom);
    win["Middle"].set_mouse_icon(win["Bottom"].picture());
    EXPECT_TRUE(same_picture(win.pointer_at(1200, 1200).icon, win["Bottom"].picture()));
    EXPECT_EQ(win.pointer_at(100, 900).shape, Pointer::Shape::TextCursor);  // text box
    EXPECT_EQ(win.pointer_at(100, 100).shape, Pointer::Shape::Arrow);       // button
    EXPECT_EQ(win.pointer_at(2900, 100).icon, win.pointer_icon());          // background
}

TEST_F(ModelTest, ButtonsClickOnEveryPressEvenInQuickSuccession) {
    click_at(100, 100);
    click_at(100, 100);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Go click"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Go dbl"), 0);
}

// --- the mouse at its edges ----------------------------------------------------

TEST_F(ModelTest, EveryButtonPressesAndReleasesButOnlyTheLeftOneClicks) {
    for (const MouseButton side : {MouseButton::Middle, MouseButton::Back, MouseButton::Forward}) {
        game.mouse_down("Test", 1200, 1200, side);
        game.mouse_up("Test", 1200, 1200, side);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Middle down", "Middle up",
                                             "Middle down", "Middle up"}));
}

TEST_F(ModelTest, ALeftClickSurvivesARightPressAndReleaseInItsMiddle) {
    game.mouse_down("Test", 1200, 1200);
    game.mouse_down("Test", 2200, 2200, MouseButton::Right);
    game.mouse_up("Test", 2200, 2200, MouseButton::Right);
    game.mouse_up("Test", 1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Inside down", "Inside up", "Middle up",
                                             "Middle click"}));
}

TEST_F(ModelTest, AnyOtherPressBetweenTwoClicksBreaksTheDoubleClick) {
    const auto two_clicks_around = [&](auto&& between) {
        log.clear();
        clock.set(clock.now() + seconds(1));
        click_at(1200, 1200);
        between();
        clock.set(clock.now() + milliseconds(100));
        click_at(1200, 1200);
        return std::count(log.begin(), log.end(), "Middle dbl");
    };
    EXPECT_EQ(two_clicks_around([] {}), 1);
    EXPECT_EQ(two_clicks_around([&] { click_at(2950, 100); }), 0);  // the bare background
    EXPECT_EQ(two_clicks_around([&] { click_at(100, 500); }), 0);   // a disabled button
    EXPECT_EQ(two_clicks_around([&] {
                  game.mouse_down("Test", 1200, 1200, MouseButton::Right);
                  game.mouse_up("Test", 1200, 1200, MouseButton::Right);
              }),
              0);
}

TEST_F(ModelTest, TheReleaseOfADoubleClickPressClicksNothingWhateverOtherButtonsDo) {
    click_at(1200, 1200);
    clock.set(clock.now() + milliseconds(100));
    game.mouse_down("Test", 1200, 1200);  // the double click
    for (const MouseButton other : {MouseButton::Right, MouseButton::Middle, MouseButton::Back}) {
        game.mouse_down("Test", 1200, 1200, other);
        game.mouse_up("Test", 1200, 1200, other);
    }
    game.mouse_up("Test", 1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Middle click",
                                             "Middle dbl", "Middle down", "Middle up",
                                             "Middle down", "Middle up", "Middle down",
                                             "Middle up", "Middle up"}));
}

// A press whose element went out of reach at any moment of it clicks nothing,
// even when the element is back within reach by the release: hidden, disabled,
// its frame hidden, or its window hidden, each undone before the release.
TEST_F(ModelTest, APressThatLostItsElementClicksNothingEvenWhenItIsBack) {
    using Step = std::function<void()>;
    const std::vector<std::pair<Step, Step>> losses = {
        {[&] { w()["Middle"].set_visible(false); }, [&] { w()["Middle"].set_visible(true); }},
        {[&] { w()["Middle"].set_enabled(false); }, [&] { w()["Middle"].set_enabled(true); }},
        {[&] { game.hide("Test"); }, [&] { game.show("Test"); }},
    };
    for (const auto& [lose, restore] : losses) {
        log.clear();
        clock.set(clock.now() + seconds(1));
        game.mouse_down("Test", 1200, 1200);
        lose();
        restore();
        game.mouse_up("Test", 1200, 1200);
        EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up"}));
    }
    log.clear();
    clock.set(clock.now() + seconds(1));
    game.mouse_down("Test", 2200, 2200);
    w()["Panel"].set_visible(false);
    w()["Panel"].set_visible(true);
    game.mouse_up("Test", 2200, 2200);
    EXPECT_EQ(log, (std::vector<std::string>{"Inside down", "Inside up"}));

    // Changes to other elements, or a property that does not take it out of
    // reach, leave the press whole.
    log.clear();
    clock.set(clock.now() + seconds(1));
    game.mouse_down("Test", 1200, 1200);
    w()["Bottom"].set_visible(false);
    w()["Middle"].set_enabled(true);
    w()["Middle"].set_left(1000);
    game.mouse_up("Test", 1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Middle click"}));
}

// The release still reaches an element that went out of reach during its press:
// its MouseUp puts back what the MouseDown changed (the pointer over a target),
// and no click follows. Withholding it would leave the pressed look on the
// element for good.
TEST_F(ModelTest, TheReleaseReachesAnElementHiddenOrDisabledSinceItsPress) {
    game.mouse_down("Test", 1200, 1200);
    w()["Middle"].set_visible(false);
    game.mouse_up("Test", 1200, 1200);
    w()["Middle"].set_visible(true);
    clock.set(clock.now() + seconds(1));
    game.mouse_down("Test", 1200, 1200);
    w()["Middle"].set_enabled(false);
    game.mouse_up("Test", 1200, 1200);
    EXPECT_EQ(log,
              (std::vector<std::string>{"Middle down", "Middle up", "Middle down", "Middle up"}));
}

// A screen reader's press comes and goes at once, apart from the mouse: the
// press the mouse holds keeps its release and its click.
TEST_F(ModelTest, AReadersPressLeavesTheMousesHeldPressWhole) {
    game.mouse_down("Test", 1200, 1200);
    EXPECT_TRUE(game.tap("Test", 2200, 2200));
    game.mouse_up("Test", 1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Inside down", "Inside up",
                                             "Inside click", "Middle up", "Middle click"}));
    // Nothing takes a reader's press on a disabled element or a hidden window.
    w()["Middle"].set_enabled(false);
    EXPECT_FALSE(game.tap("Test", 1200, 1200));
    game.hide("Test");
    EXPECT_FALSE(game.tap("Test", 2200, 2200));
}

// The toolkit's own click on a button (a mouse on it, Space, Enter) reaches
// nobody while the button's window is hidden, as its access key does not.
TEST_F(ModelTest, AButtonOnAHiddenWindowTakesNoClick) {
    EXPECT_TRUE(game.click("Test", "Go"));
    game.hide("Test");
    EXPECT_FALSE(game.click("Test", "Go"));
    EXPECT_FALSE(game.access_key("Test", U'Н'));
    EXPECT_EQ(log, (std::vector<std::string>{"Go click"}));
}

// One handler serves many elements alike, each time handed the one that raised
// the event; a misspelt name among them is a wiring error like any other.
TEST_F(ModelTest, OneHandlerForManyElementsIsHandedTheOneThatRaisedIt) {
    constexpr std::array<std::string_view, 2> pictures = {"Middle", "Inside"};
    game.on_each("Test", pictures, Event::Click,
                 [this](Runtime&, Element& e) { log.push_back("handed " + e.name()); });
    click_at(1200, 1200);
    click_at(2200, 2200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "handed Middle",
                                             "Inside down", "Inside up", "handed Inside"}));
    constexpr std::array<std::string_view, 2> misspelt = {"Middle", "Midle"};
    EXPECT_THROW(game.on_each("Test", misspelt, Event::Click, [](Runtime&, Element&) {}),
                 std::logic_error);
}

TEST_F(ModelTest, AHandlerMayUnloadItsOwnWindowFromAnyEvent) {
    // The release's handler unloads the window and opens it afresh: the click
    // belongs to the window that is gone and reaches nobody.
    game.on("Test", "Middle", Event::MouseUp, [this](Runtime& g) {
        log.push_back("Middle up");
        g.unload("Test");
        g.show("Test");
    });
    click_at(1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up"}));
    EXPECT_EQ(w()["Middle"].caption(), "");

    game.on("Test", "Middle", Event::MouseDown, [](Runtime& g) { g.unload("Test"); });
    game.mouse_down("Test", 1200, 1200);
    game.mouse_up("Test", 1200, 1200);
    EXPECT_EQ(game.find_window("Test"), nullptr);

    WindowLayout gone = test_window();
    gone.name = "Gone";
    game.define(gone);
    game.on("Gone", "", Event::Load, [](Runtime& g) { g.unload("Gone"); });
    game.show("Gone");
    EXPECT_EQ(game.find_window("Gone"), nullptr);
    EXPECT_NE(game.active_window(), "Gone");
}

TEST_F(ModelTest, AFailureThatEscapesAHandlerIsToldAndTheGameGoesOn) {
    game.on("Test", "Middle", Event::Click,
            [](Runtime&) { throw Failure(FailureCode::TypeMismatch, "type mismatch"); });
    game.on("Test", "Tick", Event::Timer, [this](Runtime& g) {
        log.push_back("tick");
        g.window("Test")["Tick"].set_interval(70000);
    });
    click_at(1200, 1200);
    ASSERT_EQ(recorder.told().size(), 1u);
    EXPECT_NE(recorder.told()[0].find("несовпадение типов (ошибка 13)"), std::string::npos);
    EXPECT_NE(recorder.told()[0].find("Игра продолжается"), std::string::npos);
    w()["Tick"].set_enabled(true);
    wait_ms(250);
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick"), 2);  // the timer ticks on
    ASSERT_EQ(recorder.told().size(), 3u);
    EXPECT_NE(recorder.told()[2].find("ошибка 380"), std::string::npos);
    log.clear();
    click_at(100, 100);
    EXPECT_EQ(log, (std::vector<std::string>{"Go down", "Go up", "Go click"}));
}

TEST_F(ModelTest, WiringToAnUnknownNameOrAnEventTheKindNeverRaisesFailsAtOnce) {
    const auto wiring_error = [&](std::string_view window, std::string_view element, Event event) {
        try {
            game.on(window, element, event, [](Runtime&) {});
        } catch (const std::logic_error& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_NE(wiring_error("Test", "Midle", Event::Click).find("Midle in window Test"),
              std::string::npos);
    EXPECT_NE(wiring_error("Tset", "Middle", Event::Click).find("Tset"), std::string::npos);
    EXPECT_NE(wiring_error("Test", "Cover", Event::Timer).find("a label never raises Timer"),
              std::string::npos);
    EXPECT_NE(wiring_error("Test", "Tick", Event::Click).find("timer"), std::string::npos);
    EXPECT_NE(wiring_error("Test", "Go", Event::DblClick).find("button"), std::string::npos);
    EXPECT_NE(wiring_error("Test", "", Event::Click).find("Load and Close"), std::string::npos);
    EXPECT_EQ(wiring_error("Test", "Tick", Event::Timer), "");
    EXPECT_EQ(wiring_error("Test", "", Event::Close), "");
    try {
        game.define(test_window());
        ADD_FAILURE() << "a second layout under a known name was taken";
    } catch (const std::logic_error& error) {
        EXPECT_NE(std::string(error.what()).find("Test"), std::string::npos);
    }
}

// Handlers are wired to the layout's elements, so they serve every creation of
// the window, and only that window's element of that name.
TEST_F(ModelTest, HandlersFollowTheElementThroughUnloadAndAFreshShow) {
    game.unload("Test");
    game.show("Test");
    click_at(1200, 1200);
    EXPECT_EQ(log, (std::vector<std::string>{"Middle down", "Middle up", "Middle click"}));
}

struct CountingDisplay final : Display {
    int refreshes = 0;
    void refresh() override { ++refreshes; }
    void tell_player(const std::string&) override {}
    void quit() override {}
};

TEST_F(ModelTest, OneInputOrOneTimerPassRefreshesTheDisplayOnce) {
    CountingDisplay display;
    game.set_display(&display);
    game.mouse_down("Test", 1200, 1200);
    game.mouse_up("Test", 1200, 1200);  // MouseUp and Click: one refresh
    EXPECT_EQ(display.refreshes, 2);
    // A press handler that shows and hides windows, a timer pass of two ticks.
    game.on("Test", "Middle", Event::MouseDown, [](Runtime& g) {
        g.hide("Test");
        g.show("Test");
    });
    w()["Tick"].set_enabled(true);
    w()["Fast"].set_enabled(true);
    clock.set(clock.now() + milliseconds(100));
    display.refreshes = 0;
    game.mouse_down("Test", 1200, 1200);
    game.run_due_timers();
    EXPECT_EQ(display.refreshes, 2);
    // Nothing delivered, nothing to refresh: a press on a disabled button.
    game.mouse_down("Test", 100, 500);
    game.mouse_up("Test", 100, 500);
    EXPECT_EQ(display.refreshes, 2);
    game.set_display(nullptr);
}
