#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vortalin {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};

// The two arrays of shown pictures: Image1 holds the bodies (element k shows
// planet row k + 1), Image2 the ships.
enum class ImageArray { bodies, ships };

// The whole screen, in logical pixels at 15 twips a pixel.
struct ScreenSize {
    int widthPixels = 0;
    int heightPixels = 0;
    bool operator==(const ScreenSize&) const = default;
};

// Where the game draws: the board's drawn graphics and its pictures. The
// board widget implements it for real; tests and the simulator in memory.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Drawn graphics, in board pixels; each shows without waiting for a yield.
    virtual void drawPoint(float x, float y, Rgb colour) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // Outlined in `outline`, filled with the current fill colour.
    virtual void drawCircle(float cx, float cy, float radius, Rgb outline) = 0;
    virtual void setFillColor(Rgb colour) = 0;
    // Removes the drawn graphics; background and pictures stay.
    virtual void clearGraphics() = 0;

    // Pictures: `stock` is an Image3 index, nullopt removes the picture.
    virtual void setPicture(ImageArray array, int index, std::optional<int> stock) = 0;
    virtual void movePicture(ImageArray array, int index, float left, float top) = 0;
};

// The main window around the board, as the game sees it: its repaint, the
// fire command, messages and the passing of time. The main window
// implements it for real; tests and the simulator in memory.
class BoardWindow {
public:
    virtual ~BoardWindow() = default;

    // The window's repaint after a new map, new ships, or before a shot.
    virtual void repaint() = 0;

    // The "Spara" menu command.
    virtual void setFireEnabled(bool enabled) = 0;
    virtual void setFireCaption(std::string_view caption) = 0;

    // A modal message box titled "Vortalin" with one OK button.
    virtual void message(std::string_view text) = 0;

    // One pass of an explosion's drawing (a sweep of rays, a circle) is
    // done. The real window sets the explosion's pace here, without handling
    // any input; elsewhere it returns at once.
    virtual void explosionStep() = 0;

    // Processes pending window events once. False once the program is
    // ending: a flight then stops at once.
    [[nodiscard]] virtual bool yield() = 0;

    virtual ScreenSize screenSize() const = 0;
};

} // namespace vortalin
