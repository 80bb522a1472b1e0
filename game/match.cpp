#include "match.h"

#include "textnumber.h"
#include "texts.h"

#include <cmath>

namespace vortalin {
namespace {

// The player on turn, 1 or 2.
long long playerOnTurn(const GameState& state) {
    return state.shooterIndex() + 1;
}

} // namespace

float chooseFirstPlayer(Game& game) {
    game.random.reseed(5);
    const float u = game.random.next();
    return std::floor(u + u);
}

void inizia_Click(Game& game) {
    GameState& state = game.state;
    if (state.currentTurn != 0) {
        game.window.message(text::resetFirst);
        return;
    }
    state.currentTurn = std::int32_t(chooseFirstPlayer(game));
    game.window.setFireCaption(fireCommandCaption(state));
    // A second shot must not start inside the first one's flight.
    if (!game.shotInFlight)
        game.window.setFireEnabled(true);
}

std::string fireCommandCaption(const GameState& state) {
    return text::fireCaptionPrefix + numberToText(playerOnTurn(state));
}

std::string fireDialogCaption(const GameState& state) {
    return text::fireDialogCaptionPrefix + numberToText(playerOnTurn(state));
}

void storeShotInputs(GameState& state, const std::string& angle, const std::string& force) {
    const int slot = state.shooterIndex();
    state.lastShotInputs.angle(slot) = angle;
    state.lastShotInputs.force(slot) = force;
}

} // namespace vortalin
