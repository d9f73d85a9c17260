// Stands between the game and whatever shows it, and keeps what only tests ask
// about: the messages the player was told, whether the game ended, and how often
// the screen was brought up to date.
#pragma once

#include <string>
#include <vector>

#include "board/runtime.h"

namespace testing_support {

class Recorder final : public board::Display {
  public:
    // Puts itself between the game and its present display, if any.
    void listen_to(board::Runtime& game) {
        shown_by_ = game.display();
        game.set_display(this);
    }

    const std::vector<std::string>& told() const { return told_; }
    bool ended() const { return ended_; }
    int refreshes() const { return refreshes_; }

    void refresh() override {
        ++refreshes_;
        if (shown_by_) shown_by_->refresh();
    }
    void tell_player(const std::string& message) override {
        told_.push_back(message);
        if (shown_by_) shown_by_->tell_player(message);
    }
    void quit() override {
        ended_ = true;
        if (shown_by_) shown_by_->quit();
    }

  private:
    board::Display* shown_by_ = nullptr;
    std::vector<std::string> told_;
    bool ended_ = false;
    int refreshes_ = 0;
};

}  // namespace testing_support
