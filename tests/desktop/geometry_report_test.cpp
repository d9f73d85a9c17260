// The geometry the outside tests read agrees with where the real toolkit puts
// and paints every element of both windows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "desktop/desktop_support.h"
#include "info/information_window.h"
#include "tools/geometry/geometry.h"

using testing_support::DesktopHarness;

namespace {

// Where the canvas paints an element: its place in each frame that holds it, added up.
QRectF painted_rect(const board::Element& e) {
    QRectF r = desktop::pixel_rect(e);
    for (const board::Element* frame = e.container(); frame; frame = frame->container()) {
        r.translate(desktop::pixel_rect(*frame).topLeft());
    }
    return r;
}

}  // namespace

TEST(GeometryReport, EveryBoxIsWhereTheToolkitPutsOrPaintsItsElement) {
    DesktopHarness g;
    g.open_information();  // both windows exist now
    const geometry::Geometry geo = geometry::read_layouts();
    ASSERT_EQ(geo.clients.size(), 2u);
    EXPECT_EQ(geo.clients[0].window, board::layout::kMainBoard);

    for (const geometry::Client& c : geo.clients) {
        desktop::WindowWidget* view = g.window_widget(c.window);
        ASSERT_NE(view, nullptr) << c.window;
        EXPECT_EQ(QSize(c.width, c.height), view->size()) << c.window;
        EXPECT_EQ(QString::fromStdString(c.caption), view->windowTitle());
    }
    std::map<std::string, std::size_t> per_window;
    std::size_t widgets = 0;
    for (const geometry::Box& b : geo.boxes) {
        SCOPED_TRACE(b.window + " " + b.element);
        const board::Element& e = g.game.window(b.window)[b.element];
        EXPECT_NE(e.kind(), board::Kind::Timer);
        ++per_window[b.window];
        const QRect box(b.left, b.top, b.width, b.height);
        if (QWidget* widget = g.window_widget(b.window)->widget_for(b.element)) {
            ++widgets;
            EXPECT_EQ(QRect(widget->mapTo(g.window_widget(b.window), QPoint(0, 0)), widget->size()), box);
        } else {
            EXPECT_EQ(painted_rect(e), QRectF(box));
        }
    }
    // Every element but the timers, and the buttons, boxes and frames among them.
    std::size_t natives = 0;
    for (const geometry::Client& c : geo.clients) {
        std::size_t timers = 0;
        for (const auto& e : g.game.window(c.window).elements()) {
            timers += e->kind() == board::Kind::Timer;
            natives += e->kind() == board::Kind::Button || e->kind() == board::Kind::TextBox ||
                       e->kind() == board::Kind::Frame;
        }
        EXPECT_EQ(per_window[c.window] + timers, g.game.window(c.window).elements().size());
    }
    EXPECT_EQ(widgets, natives);
}

TEST(GeometryReport, LinesKeepTheirShapeAndEveryRoleNamesABox) {
    const geometry::Geometry geo = geometry::read_layouts();
    std::istringstream in(geometry::report(geo));
    std::set<std::string> boxes;
    std::set<std::string> roles;
    bool facts_begun = false;
    std::size_t box_lines = 0, client_lines = 0;
    for (std::string line; std::getline(in, line);) {
        SCOPED_TRACE(line);
        std::istringstream fields(line);
        std::string window, second, third;
        fields >> window >> second;
        if (second == "caption" || second == "role") {
            facts_begun = true;
            if (second == "role") {
                std::string element, rest;
                fields >> third >> element;
                EXPECT_FALSE(fields >> rest);
                EXPECT_TRUE(roles.insert(window + " " + third).second) << "a role named twice";
                EXPECT_TRUE(boxes.count(window + " " + element)) << "a role without a box";
            }
            continue;
        }
        EXPECT_FALSE(facts_begun) << "a box after the first caption or role line";
        int n[4] = {-1, -1, -1, -1};
        const int expected = second == "client" ? 2 : 4;
        for (int i = 0; i < expected; ++i) EXPECT_TRUE(fields >> n[i]);
        std::string rest;
        EXPECT_FALSE(fields >> rest);
        if (second == "client") {
            ++client_lines;
            EXPECT_GT(n[0], 0);
            EXPECT_GT(n[1], 0);
        } else {
            ++box_lines;
            EXPECT_TRUE(boxes.insert(window + " " + second).second) << "an element named twice";
            EXPECT_GE(n[2], 0);
            EXPECT_GE(n[3], 0);
        }
    }
    EXPECT_EQ(client_lines, geo.clients.size());
    EXPECT_EQ(box_lines, geo.boxes.size());
    EXPECT_EQ(roles.size(), geo.roles.size());
    EXPECT_TRUE(roles.count("Form1Krot cell11"));
    EXPECT_TRUE(roles.count("Form2 return_button"));
}
