// The captions against the boxes they were fitted to, in the built-in face. The
// suite also runs these with no system font at all and at device pixel ratio 2.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <cstdlib>

#include "board/text.h"
#include "desktop/caption.h"
#include "desktop/desktop_support.h"
#include "desktop/painting.h"
#include "desktop/units.h"
#include "info/information_window.h"
#include "support/main_board_view.h"

using testing_support::DesktopHarness;

namespace {

constexpr std::string_view kBoard = board::layout::kMainBoard;

QStringList lines_of(const board::Element& label, const QWidget& on) {
    const QFontMetricsF metrics(desktop::game_font(), &on);
    return desktop::wrap_caption(QString::fromStdString(label.caption()),
                                 desktop::to_pixels(label.width()), metrics);
}

}  // namespace

TEST(Captions, AreSetInTheBuiltInFaceAtTheExpectedRatio) {
    DesktopHarness g;
    EXPECT_EQ(QFontInfo(desktop::game_font()).family(), QStringLiteral("Liberation Sans"));
    if (const char* ratio = std::getenv("DROVANTA_EXPECT_RATIO")) {
        EXPECT_EQ(g.window_widget()->devicePixelRatioF(), std::atof(ratio));
    }
}

TEST(Captions, EveryOneLineCaptionFitsItsLabel) {
    DesktopHarness g;
    // The labels the player reads, those shown later in play included.
    const auto& b = g.view;
    for (const board::Element* label :
         {&b.time_heading, &b.time_left, &b.score_heading, &b.score, &b.rounds_heading,
          &b.rounds_played, &b.best_score_heading, &b.best_score, &b.character_heading, &b.banner,
          &b.rescue_message, &b.secret_hint}) {
        const QStringList lines = lines_of(*label, *g.window_widget());
        EXPECT_EQ(lines.size(), 1)
            << label->name() << ": " << lines.join(QLatin1Char('|')).toStdString();
    }
    // The best score and the rounds played stay on one line when they grow.
    b.best_score.set_caption("123456");
    b.rounds_played.set_caption("9999");
    EXPECT_EQ(lines_of(b.best_score, *g.window_widget()).size(), 1);
    EXPECT_EQ(lines_of(b.rounds_played, *g.window_widget()).size(), 1);
}

TEST(Captions, TheVersionColumnReadsOneLetterALine) {
    DesktopHarness g;
    const board::Element& version = g.view.version_column;
    QStringList lines = lines_of(version, *g.window_widget());
    const QFontMetricsF metrics(desktop::game_font(), g.window_widget());
    EXPECT_LE(lines.size() * metrics.height(), desktop::to_pixels(version.height()));
    QStringList words;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) words << line.trimmed();
    }
    EXPECT_EQ(words, (QStringList{"В", "E", "Р", "С", "И", "Я", "1.3"}));
}

TEST(Captions, EveryButtonCaptionFitsItsButton) {
    DesktopHarness g;
    g.open_information();
    for (const std::string_view window : {kBoard, info::kInfoWindow}) {
        for (const auto& e : g.game.window(window).elements()) {
            if (e->kind() != board::Kind::Button || e->caption().empty()) continue;
            auto* button = g.widget<QPushButton>(e->name(), window);
            ASSERT_NE(button, nullptr) << e->name();
            // A long caption may be set a pixel smaller, never more.
            EXPECT_GE(button->font().pixelSize(), desktop::game_font().pixelSize() - 1)
                << e->name();
            const QString shown = QString::fromStdString(board::without_marks(e->caption()));
            EXPECT_LE(QFontMetricsF(button->font(), button).horizontalAdvance(shown),
                      button->width() - 4)
                << e->name();
        }
    }
}
