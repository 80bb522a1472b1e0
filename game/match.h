#pragma once

#include "game.h"

#include <string>

namespace vortalin {

// 0 or 1 (player 1 or player 2 begins), drawn after mixing 5 into the
// generator, so either player can begin.
float chooseFirstPlayer(Game& game);

// "Inizia Partita": draws the first shooter while the counter is 0; refuses
// otherwise. The fire command is never enabled in the middle of a flight:
// the flight's end decides that.
void inizia_Click(Game& game);

// "Spara Giocatore " and the next shooter, as the menu command shows it.
std::string fireCommandCaption(const GameState& state);
// "Giocatore" and the player on turn, as the fire dialog's caption.
std::string fireDialogCaption(const GameState& state);

// Remembers the texts that the player on turn confirmed, exactly as typed.
void storeShotInputs(GameState& state, const std::string& angle, const std::string& force);

} // namespace vortalin
