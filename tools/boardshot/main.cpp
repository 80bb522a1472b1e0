// Shows the main window with every kind of body, a shot's trail wound
// round a black hole and a ship's explosion stopped half-way, then waits
// for a screenshot:
//   vortalin-boardshot [seconds] [angle] [force]
#include "game/effects.h"
#include "game/flight.h"
#include "game/kinds.h"
#include "ui/application.h"
#include "ui/form2.h"

#include <QApplication>
#include <QTimer>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

using namespace vortalin;

namespace {

// Passes on the first `budget` drawings and drops the rest: an animation
// caught part of the way through.
class Halfway final : public Canvas {
public:
    Halfway(Canvas& to, long budget) : m_to(to), m_budget(budget) {}
    void drawPoint(float x, float y, Rgb c) override {
        if (spend())
            m_to.drawPoint(x, y, c);
    }
    void drawLine(float x1, float y1, float x2, float y2, Rgb c) override {
        if (spend())
            m_to.drawLine(x1, y1, x2, y2, c);
    }
    void drawCircle(float cx, float cy, float r, Rgb c) override {
        if (spend())
            m_to.drawCircle(cx, cy, r, c);
    }
    void setFillColor(Rgb c) override {
        if (m_budget > 0)
            m_to.setFillColor(c);
    }
    void clearGraphics() override { m_to.clearGraphics(); }
    void setPicture(ImageArray a, int i, std::optional<int> s) override {
        m_to.setPicture(a, i, s);
    }
    void movePicture(ImageArray a, int i, float l, float t) override {
        m_to.movePicture(a, i, l, t);
    }

private:
    bool spend() { return m_budget-- > 0; }
    Canvas& m_to;
    long m_budget;
};

void setUpBoard(GameState& state) {
    PlanetTable& p = state.planets;
    const auto body = [&](int row, double x, double y, double kind) {
        const KindProperties k = *propertiesOfKind(kind);
        p.x(row) = x, p.y(row) = y, p.kind(row) = kind, p.radius(row) = k.radius;
        p.mass(row) = k.mass;
    };
    body(1, 560, 560, 11); // black hole
    body(2, 160, 170, 1);
    body(3, 420, 140, 2);
    body(4, 1130, 160, 3);
    body(5, 760, 150, 5);
    body(6, 1080, 560, 7);
    body(7, 250, 470, 8);
    body(8, 880, 880, 9);
    body(9, 1150, 380, 10); // repulsive
    body(10, 470, 880, 12); // supernova
    state.ships.x(0) = 140, state.ships.y(0) = 700;
    state.ships.x(1) = 1180, state.ships.y(1) = 860;
    state.options[Option::planetCount] = 10;
    state.options[Option::animationDelay] = 20;
}

// The seconds to wait, a whole number from 1 to a day; nothing when the
// text is anything else.
std::optional<int> secondsToWait(std::string_view text) {
    int seconds = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (error != std::errc() || stop != end || seconds < 1 || seconds > 24 * 60 * 60)
        return std::nullopt;
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    const std::optional<int> wait = secondsToWait(argc > 1 ? argv[1] : "30");
    if (!wait) {
        std::fprintf(stderr,
                     "vortalin-boardshot: the seconds to wait must be a whole number from 1 to "
                     "86400, not \"%s\"\nusage: vortalin-boardshot [seconds] [angle] [force]\n",
                     argv[1]);
        return 2;
    }
    const int seconds = *wait;
    const std::string angle = argc > 2 ? argv[2] : "18";
    const std::string force = argc > 3 ? argv[3] : "2100";
    ui::Application app;
    app.setPaced(false);
    ui::Form2& form = app.form2();
    form.messageSink = [](const QString&) {};
    form.showMaximized();
    setUpBoard(app.game().state);
    form.drawplanet();
    QTimer::singleShot(1000, [&] {
        form.repaint();
        const ShotResult shot = fuoco(app.game(), angle, force);
        std::printf("steps %lld\n", shot.steps);
        Halfway halfway(form.board(), 876 + 55);
        Game caught{app.game().state, halfway, form, app.game().random};
        explodeShip(caught, 1000, 300);
        form.board().flush(true);
    });
    QTimer::singleShot(seconds * 1000, &qtApp, &QCoreApplication::quit);
    return qtApp.exec();
}
