// The painted board as assistive technology sees it, through the toolkit's own
// accessibility interfaces on the offscreen platform.
#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <vector>

#include "board/reading.h"
#include "desktop/desktop_support.h"
#include "info/information_window_view.h"
#include "support/main_board_view.h"
#include "support/shared.h"

using testing_support::DesktopHarness;
using testing_support::kInfoWindow;

namespace {

// What was announced, as (event type, name of the object at the time).
struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessible::Role role = QAccessible::NoRole;
};
std::vector<Heard>* heard = nullptr;

void listen(QAccessibleEvent* event) {
    if (!heard) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        heard->push_back(
            {event->type(), static_cast<QAccessibleAnnouncementEvent*>(event)->message()});
        return;
    }
#endif
    QAccessibleInterface* iface = event->accessibleInterface();
    heard->push_back({event->type(), iface ? iface->text(QAccessible::Name) : QString(),
                      iface ? iface->role() : QAccessible::NoRole});
}

// The words said unasked since the reader began to listen: the toolkit's own
// announcements where it has them, else each showing of a window's notifier.
QStringList said(const std::vector<Heard>& events) {
    QStringList out;
    for (const Heard& h : events) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (h.type == QAccessible::Announcement) out << h.name;
#else
        if (h.type == QAccessible::ObjectShow && h.role == QAccessible::Notification) out << h.name;
#endif
    }
    return out;
}

// A reader listening for the length of a test, as the accessibility bus would.
class Listening {
  public:
    Listening() {
        heard = &events;
        QAccessible::installUpdateHandler(listen);
        platform()->setActive(true);
    }
    ~Listening() {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        heard = nullptr;
    }
    int count(QAccessible::Event type, const QString& name) const {
        int n = 0;
        for (const Heard& h : events) n += h.type == type && h.name == name;
        return n;
    }
    std::vector<Heard> events;

  private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
};

QAccessibleInterface* surface_of(DesktopHarness& g,
                                 std::string_view window = board::layout::kMainBoard) {
    return QAccessible::queryAccessibleInterface(g.window_widget(window)->canvas());
}

std::vector<QAccessibleInterface*> children_of(QAccessibleInterface* surface) {
    std::vector<QAccessibleInterface*> out;
    for (int i = 0; i < surface->childCount(); ++i) out.push_back(surface->child(i));
    return out;
}

QAccessibleInterface* named(QAccessibleInterface* surface, const QString& name) {
    for (QAccessibleInterface* c : children_of(surface)) {
        if (c->text(QAccessible::Name) == name) return c;
    }
    return nullptr;
}

std::vector<QAccessibleInterface*> showing(QAccessibleInterface* surface, const QString& name) {
    std::vector<QAccessibleInterface*> out;
    for (QAccessibleInterface* c : children_of(surface)) {
        if (!c->state().invisible && c->text(QAccessible::Name) == name) out.push_back(c);
    }
    return out;
}

bool is_target_name(const QString& name) {
    // Each says where it stands after what it is.
    return name.startsWith(QStringLiteral("Робот-ёж, ряд ")) ||
           name.startsWith(QStringLiteral("Робот в костюме, ряд "));
}

}  // namespace

TEST(Accessibility, TheStatisticsReadAsHeadingsAndTheValuesTheyName) {
    DesktopHarness g;
    QAccessibleInterface* surface = surface_of(g);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->role(), QAccessible::Canvas);
    EXPECT_EQ(surface->text(QAccessible::Name), QStringLiteral("Игровое поле"));

    const std::pair<const char*, const char*> pairs[] = {
        {"Время", "Время: 0"},
        {"Ваш счёт", "Ваш счёт: 0"},
        {"Сыграно раундов", "Сыграно раундов: 0"},
        {"Лучший счёт", "Лучший счёт: 0"},
        {"Персонаж", "Персонаж: Бриско"},
    };
    for (const auto& [heading_name, value_name] : pairs) {
        QAccessibleInterface* heading = named(surface, QString::fromUtf8(heading_name));
        QAccessibleInterface* value = named(surface, QString::fromUtf8(value_name));
        ASSERT_NE(heading, nullptr) << heading_name;
        ASSERT_NE(value, nullptr) << value_name;
        EXPECT_EQ(heading->role(), QAccessible::StaticText);
        EXPECT_FALSE(value->state().invisible);
        const auto labels = value->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << value_name;
        EXPECT_EQ(labels.front().first, heading);
        const auto labelled = heading->relations(QAccessible::Labelled);
        ASSERT_EQ(labelled.size(), 1) << heading_name;
        EXPECT_EQ(labelled.front().first, value);
        EXPECT_EQ(value->parent(), surface);
        EXPECT_GT(surface->indexOfChild(value), surface->indexOfChild(heading)) << value_name;
    }
    EXPECT_NE(named(surface, QStringLiteral("Версия 1.3")), nullptr);
    EXPECT_EQ(showing(surface, QStringLiteral("Пустая клетка")).size(), 12u);
    EXPECT_EQ(named(surface, QStringLiteral("Персонаж: Бриско"))->role(), QAccessible::Graphic);
    EXPECT_EQ(named(surface, QStringLiteral("Бриско"))->role(),
              QAccessible::Graphic);  // the scene's

    // The score's rectangle on the screen, where the canvas paints it; and what
    // lies at its middle there is the score.
    const testing_support::MainBoard b(g.game);
    QAccessibleInterface* score = named(surface, QStringLiteral("Ваш счёт: 0"));
    const QRect painted(
        g.window_widget()->canvas()->mapToGlobal(desktop::widget_rect(b.score).topLeft()),
        desktop::widget_rect(b.score).size());
    EXPECT_EQ(score->rect(), painted);
    EXPECT_EQ(surface->childAt(painted.center().x(), painted.center().y()), score);
}

TEST(Accessibility, NothingHiddenIsNamedAndTheHoldersAreNeverThere) {
    DesktopHarness g;
    const testing_support::MainBoard b(g.game);
    QAccessibleInterface* surface = surface_of(g);
    int invisible = 0;
    for (QAccessibleInterface* c : children_of(surface)) {
        const QString name = c->text(QAccessible::Name);
        if (c->state().invisible) {
            ++invisible;
            EXPECT_TRUE(name.isEmpty()) << name.toStdString();
        }
        EXPECT_FALSE(name.contains(QStringLiteral("quibbozar")));  // the hint, until it shows
        EXPECT_FALSE(name.contains(QStringLiteral("Label")));      // a register's caption
        EXPECT_FALSE(name.contains(QStringLiteral("pelko")));      // a holder's
    }
    // The twelve targets, the ring, the hint, and the final panel's pieces.
    EXPECT_GE(invisible, 14);
    // Twelve targets and cells, the ring, the statistics, the strip and the panel:
    // nothing of the twenty-odd registers and holders.
    EXPECT_LT(surface->childCount(), 60);

    b.secret_hint.set_visible(true);
    g.game.display()->refresh();
    const auto hint =
        showing(surface, QString::fromStdString(board::tidy(b.secret_hint.caption())));
    ASSERT_EQ(hint.size(), 1u);
    EXPECT_TRUE(hint.front()->text(QAccessible::Name).contains(QStringLiteral("quibbozar")));
}

TEST(Accessibility, ATickShowsNamedTargetsThatAPressStrikes) {
    DesktopHarness g;
    const testing_support::MainBoard b(g.game);
    QAccessibleInterface* surface = surface_of(g);
    g.start_round();
    g.wait_ms(800);  // the first board tick
    std::vector<QAccessibleInterface*> targets;
    for (QAccessibleInterface* c : children_of(surface)) {
        if (!c->state().invisible && is_target_name(c->text(QAccessible::Name)))
            targets.push_back(c);
    }
    ASSERT_EQ(targets.size(), 4u);
    // One per column, each saying where it stands; the cells beneath them are covered.
    EXPECT_EQ(showing(surface, QStringLiteral("Пустая клетка")).size(), 8u);
    for (QAccessibleInterface* t : targets) {
        EXPECT_TRUE(t->text(QAccessible::Description).startsWith(QStringLiteral("ряд ")));
        EXPECT_EQ(t->role(), QAccessible::Graphic);
        ASSERT_NE(t->actionInterface(), nullptr);
        EXPECT_EQ(t->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
    }
    // A press strikes it through the game, as the mouse does: scored and gone.
    QAccessibleInterface* struck = targets.front();
    const int worth =
        struck->text(QAccessible::Name).startsWith(QStringLiteral("Робот-ёж,")) ? 10 : 20;
    struck->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    g.settle();
    EXPECT_EQ(b.score.caption(), std::to_string(worth));
    EXPECT_TRUE(struck->state().invisible);
    EXPECT_TRUE(struck->actionInterface()->actionNames().isEmpty());
    EXPECT_NE(named(surface, QString::fromStdString("Ваш счёт: " + std::to_string(worth))),
              nullptr);
    // A hidden one offers nothing, and pressing it anyway does nothing.
    struck->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(b.score.caption(), std::to_string(worth));
}

// A reader's press while the mouse holds its button on another target: both
// are struck, the held one at its own release.
TEST(Accessibility, AReadersPressLeavesTheMousesHeldPressAlone) {
    DesktopHarness g;
    const testing_support::MainBoard b(g.game);
    QAccessibleInterface* surface = surface_of(g);
    g.start_round();
    for (board::Element* t : b.targets) t->set_visible(false);
    for (board::Element* t : {&b.target(0, 0), &b.target(3, 2)}) {
        t->set_picture(b.plain_robot.picture());
        t->set_visible(true);
    }
    g.screen().refresh();
    QWindow* window = g.window_widget()->windowHandle();
    const QPoint held = g.pixel_middle_of(b.target(0, 0).name());
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, held);
    QAccessibleInterface* other = nullptr;
    for (QAccessibleInterface* c : children_of(surface)) {
        if (!c->state().invisible &&
            c->text(QAccessible::Description) == QStringLiteral("ряд 3, столбец 4"))
            other = c;
    }
    ASSERT_NE(other, nullptr);
    other->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    g.settle();
    EXPECT_EQ(g.score(), 10);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, held);
    g.settle();
    EXPECT_EQ(g.score(), 20);
    EXPECT_FALSE(b.target(0, 0).visible());
}

TEST(Accessibility, OnlyWhatChangedIsAnnounced) {
    DesktopHarness g;
    QAccessibleInterface* surface = surface_of(g);
    Listening reader;
    // The opening scene moves the hero and the villain and blinks the bars, and
    // each step is heard; then the board is still.
    g.wait_ms(1000);
    EXPECT_GT(reader.count(QAccessible::LocationChanged, QStringLiteral("Бриско")), 10);
    g.wait_ms(5000);
    // The banner comes up as the scene ends; the bars that blink are only colour.
    EXPECT_EQ(reader.count(QAccessible::ObjectShow, QStringLiteral("Уничтожьте всех роботов!")), 1);
    reader.events.clear();
    g.wait_ms(1000);
    EXPECT_TRUE(reader.events.empty());

    g.start_round();
    EXPECT_EQ(reader.count(QAccessible::NameChanged, QStringLiteral("Время: 60")), 1);
    reader.events.clear();

    g.wait_ms(800);  // a board tick: four targets come
    int shown = 0;
    for (const Heard& h : reader.events)
        shown += h.type == QAccessible::ObjectShow && is_target_name(h.name);
    EXPECT_EQ(shown, 4);
    // The four cells beneath them, and the target under the ring if it came too.
    EXPECT_GE(reader.count(QAccessible::ObjectHide, QString()), 4);
    reader.events.clear();

    g.wait_ms(200);  // the round clock: only the time changes
    ASSERT_EQ(reader.events.size(), 1u);
    EXPECT_EQ(reader.events.front().type, QAccessible::NameChanged);
    EXPECT_EQ(reader.events.front().name, QStringLiteral("Время: 59"));
    reader.events.clear();

    // Opening the information window hides the whole board: each thing on view
    // is heard going.
    int on_view = 0;
    for (QAccessibleInterface* c : children_of(surface)) on_view += !c->state().invisible;
    EXPECT_GT(on_view, 25);
    g.open_information();
    EXPECT_GE(reader.count(QAccessible::ObjectHide, QString()), on_view);
    for (QAccessibleInterface* c : children_of(surface)) EXPECT_TRUE(c->state().invisible);
}

TEST(Accessibility, TheFinalPanelIsAGroupNamedByItsCaptionThatCoversTheStrip) {
    DesktopHarness g;
    const testing_support::MainBoard b(g.game);
    QAccessibleInterface* surface = surface_of(g);
    QAccessibleInterface* panel =
        QAccessible::queryAccessibleInterface(g.window_widget()->widget_for(b.final_panel.name()));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->role(), QAccessible::Grouping);
    EXPECT_EQ(panel->text(QAccessible::Name), QStringLiteral("База уничтожена!"));
    EXPECT_TRUE(panel->state().invisible);
    EXPECT_FALSE(showing(surface, QStringLiteral("Доктор Вирзо")).empty());

    b.final_panel.set_visible(true);
    g.game.display()->refresh();
    EXPECT_FALSE(panel->state().invisible);
    EXPECT_TRUE(showing(surface, QStringLiteral("Доктор Вирзо")).empty());
    EXPECT_EQ(showing(surface, QStringLiteral("Воздушный корабль Вирзо")).size(), 1u);
    EXPECT_EQ(showing(surface, QStringLiteral("Чёрная точка")).size(), 1u);
}

TEST(Accessibility, TheInformationWindowReadsItsTextsAndPressesItsButtons) {
    DesktopHarness g;
    g.open_information();
    QAccessibleInterface* surface = surface_of(g, kInfoWindow);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->childCount(), 4);
    QAccessibleInterface* field = surface->child(0);
    EXPECT_EQ(field->role(), QAccessible::StaticText);
    EXPECT_EQ(field->text(QAccessible::Name),
              QStringLiteral("Нажмите любую кнопку, чтобы получить больше информации!"));
    EXPECT_EQ(surface->child(1)->text(QAccessible::Name), QStringLiteral("Логотип «Ворблин»"));
    EXPECT_EQ(surface->child(2)->text(QAccessible::Name), QStringLiteral("Тровилов К., 2004."));

    const info::InformationWindow i(g.game);
    QAccessibleInterface* story = QAccessible::queryAccessibleInterface(
        g.widget<QPushButton>(i.story_button.name(), kInfoWindow));
    ASSERT_NE(story->actionInterface(), nullptr);
    story->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The toolkit shows the press for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return field->text(QAccessible::Name).startsWith(QStringLiteral("Лучший друг Бриско"));
    }));
}

TEST(Accessibility, EachWindowIsAFrameOrADialogNamedByItsTitle) {
    DesktopHarness g;
    const testing_support::MainBoard b(g.game);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(g.window_widget());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Window);
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Drovanta."));

    // The controls whose captions do not say what they do.
    auto* box = g.window_widget()->widget_for(b.interval_box.name());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
              QStringLiteral("Интервал, мс"));
    for (const board::Element* button : {&b.reset_statistics_button, &b.code_button}) {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(g.window_widget()->widget_for(button->name()));
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty()) << button->name();
    }

    g.open_information();
    QAccessibleInterface* info =
        QAccessible::queryAccessibleInterface(g.window_widget(kInfoWindow));
    EXPECT_EQ(info->role(), QAccessible::Dialog);
    EXPECT_EQ(info->text(QAccessible::Name), QStringLiteral("Information"));
}

TEST(Accessibility, TheRoundsMomentsAreSaidUnaskedAndNothingElse) {
    DesktopHarness g;
    surface_of(g);
    QAccessible::queryAccessibleInterface(g.window_widget());
    Listening reader;
    g.wait_ms(6000);  // the opening scene: much moves, nothing is said
    EXPECT_TRUE(said(reader.events).isEmpty()) << said(reader.events).join('|').toStdString();

    g.start_round();
    g.wait_ms(2500);  // three board ticks and two seconds of the clock
    g.stop_round();
    g.continue_round();
    EXPECT_EQ(said(reader.events), (QStringList{QStringLiteral("Раунд начался: 60 секунд."),
                                                QStringLiteral("Раунд остановлен."),
                                                QStringLiteral("Раунд продолжается.")}));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // The notifier is the window's last child, and takes no room on the screen.
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(g.window_widget());
    QAccessibleInterface* notifier = board->child(board->childCount() - 1);
    EXPECT_EQ(notifier->role(), QAccessible::Notification);
    EXPECT_EQ(notifier->parent(), board);
    EXPECT_EQ(board->indexOfChild(notifier), board->childCount() - 1);
    EXPECT_EQ(notifier->text(QAccessible::Name), QStringLiteral("Раунд продолжается."));
    EXPECT_TRUE(notifier->rect().isEmpty());
#endif

    g.open_information();
    const info::InformationWindow i(g.game);
    surface_of(g, kInfoWindow);
    QAccessible::queryAccessibleInterface(g.window_widget(kInfoWindow));
    reader.events.clear();
    g.widget<QPushButton>(i.story_button.name(), kInfoWindow)->click();
    g.settle();
    ASSERT_EQ(said(reader.events).size(), 1);
    EXPECT_TRUE(said(reader.events).front().startsWith(QStringLiteral("Лучший друг Бриско")));
}
