#pragma once

#include "board.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vortalin {

// A board held in memory: counts and, when asked, records what the game draws.
// Used by the tests, the simulator, the fuzzers and the benchmarks.
class MemoryBoard : public Canvas, public BoardWindow {
public:
    struct Point {
        float x, y;
        Rgb colour;
    };
    struct Line {
        float x1, y1, x2, y2;
        Rgb colour;
    };
    struct Circle {
        float cx, cy, radius;
        Rgb outline, fill;
    };
    struct Picture {
        std::optional<int> stock;
        float left = 0, top = 0;
        bool moved = false;
    };

    explicit MemoryBoard(ScreenSize screen = {1280, 1024}, bool recordDrawing = true)
        : screen(screen), recordDrawing(recordDrawing) {}

    void drawPoint(float x, float y, Rgb colour) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void drawCircle(float cx, float cy, float radius, Rgb outline) override;
    void setFillColor(Rgb colour) override { fillColour = colour; }
    void clearGraphics() override;
    void repaint() override;
    void setPicture(ImageArray array, int index, std::optional<int> stock) override;
    void movePicture(ImageArray array, int index, float left, float top) override;
    void setFireEnabled(bool enabled) override { fireEnabled = enabled; }
    void setFireCaption(std::string_view caption) override { fireCaption = caption; }
    void message(std::string_view text) override { messages.emplace_back(text); }
    void explosionStep() override { ++explosionSteps; }
    bool yield() override;
    ScreenSize screenSize() const override { return screen; }

    Picture& picture(ImageArray array, int index);

    ScreenSize screen;
    bool recordDrawing;
    long long pointCount = 0, lineCount = 0, circleCount = 0;
    long long clears = 0, repaints = 0, yields = 0, explosionSteps = 0;
    std::vector<Point> points;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<std::string> messages;
    std::array<Picture, 10> bodies{};
    std::array<Picture, 2> ships{};
    Rgb fillColour = white; // the main window's design value
    bool fireEnabled = false;
    std::string fireCaption = "Spara";
    // Runs at each yield, as menu commands run between two steps of a flight.
    std::function<void()> onYield;
    bool ending = false;
};

} // namespace vortalin
