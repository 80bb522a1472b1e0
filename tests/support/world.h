#pragma once

#include "game/game.h"
#include "game/memoryboard.h"
#include "scriptedrandom.h"

#include <string>
#include <vector>

// A memory board that also keeps the order of what happened, runs of the
// same drawing call folded into one entry.
class LoggingBoard final : public vortalin::MemoryBoard {
public:
    using MemoryBoard::MemoryBoard;

    void drawLine(float x1, float y1, float x2, float y2, vortalin::Rgb colour) override {
        MemoryBoard::drawLine(x1, y1, x2, y2, colour);
        note("lines");
    }
    void drawCircle(float cx, float cy, float radius, vortalin::Rgb outline) override {
        MemoryBoard::drawCircle(cx, cy, radius, outline);
        note("circles");
    }
    void clearGraphics() override {
        MemoryBoard::clearGraphics();
        note("clear");
    }
    void setPicture(vortalin::ImageArray array, int index, std::optional<int> stock) override {
        MemoryBoard::setPicture(array, index, stock);
        note((array == vortalin::ImageArray::ships ? "ship " : "body ") + std::to_string(index) +
             " " + (stock ? std::to_string(*stock) : "none"));
    }
    void message(std::string_view text) override {
        MemoryBoard::message(text);
        note("message " + std::string(text));
    }

    std::vector<std::string> log;

private:
    void note(const std::string& entry) {
        if (log.empty() || log.back() != entry || entry.starts_with("message"))
            log.push_back(entry);
    }
};

// One game on a memory board, with a 1280 x 1024 screen and s = 20.
struct World {
    vortalin::GameState state;
    LoggingBoard board;
    ScriptedRandom random;
    vortalin::Game game{state, board, board, random};

    World() { state.options[vortalin::Option::animationDelay] = 20; }

    void body(int row, double x, double y, double kind, double radius, double mass) {
        auto& p = state.planets;
        p.x(row) = x;
        p.y(row) = y;
        p.kind(row) = kind;
        p.radius(row) = radius;
        p.mass(row) = mass;
    }
    void ships(double x1, double y1, double x2, double y2) {
        state.ships.x(0) = x1;
        state.ships.y(0) = y1;
        state.ships.x(1) = x2;
        state.ships.y(1) = y2;
    }
    void setSpeed(int s) { state.options[vortalin::Option::animationDelay] = s; }
    void setPlanetCount(int n) { state.options[vortalin::Option::planetCount] = n; }
};
