#pragma once

#include <random>
#include <utility>
#include <vector>

#include "game/Game.h"
#include "rules/MovementRules.h"

namespace torvane {

// Makes a random legal move for `mover` ("1" or "2") as a player's drag would: a step of a
// board piece, or now and then a drop from a hand while captured pieces may be used. Returns
// false when `mover` has no move.
inline bool PlayRandomMove(Game& game, const std::string& mover, std::mt19937& rng) {
    std::vector<std::pair<int, int>> steps;
    for (int cell = 0; cell < kCellCount; ++cell)
        if (game.Squares()[cell].Tag == mover)
            for (int to : ReachableCells(game.Squares(), cell)) steps.emplace_back(cell, to);
    std::vector<std::pair<Hand, int>> held;
    for (Hand hand : {Hand::Image4, Hand::Image5}) {
        const HandCells& cells =
            hand == Hand::Image4 ? game.HandSlots(Hand::Image4) : game.HandSlots(Hand::Image5);
        for (int slot = 0; slot < kHandSlots; ++slot)
            if (cells[slot].Tag == mover) held.emplace_back(hand, slot);
    }
    std::vector<int> empty;
    for (int cell = 0; cell < kCellCount; ++cell)
        if (game.Squares()[cell].Tag == game.EmptyTag) empty.push_back(cell);
    const bool drop = game.SettingsOnLoad().capturedPieces && !held.empty() &&
                      (steps.empty() || std::uniform_int_distribution(0, 4)(rng) == 0);
    auto pick = [&](const auto& options) {
        return options[std::uniform_int_distribution<std::size_t>(0, options.size() - 1)(rng)];
    };
    if (drop) {
        auto [hand, slot] = pick(held);
        game.HandPickUp(hand, slot, MouseButton::Left);
        game.Image1_DragDrop(pick(empty));
        return true;
    }
    if (steps.empty()) return false;
    auto [from, to] = pick(steps);
    game.BoardPickUp(from, MouseButton::Left);
    game.Image1_DragDrop(to);
    return true;
}

}  // namespace torvane
