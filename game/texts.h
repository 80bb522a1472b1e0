#pragma once

// Every text the player sees from the game's procedures, in one place.
namespace vortalin::text {

inline constexpr const char* planetsFailed = "Si è verificato un errore. Riposizionare i pianeti";
inline constexpr const char* shipsFailed = "Si è verificato un errore. Riposizionare le astronavi";
inline constexpr const char* unknownKind = "Attenzione casino pianeti";
inline constexpr const char* player1Wins = "Vince il giocatore 1";
inline constexpr const char* player2Wins = "Vince il giocatore 2";
inline constexpr const char* draw = "Patta";
inline constexpr const char* resetFirst = "Attenzione risettare la mappa o le astronavi prima";
inline constexpr const char* fireCaptionPrefix = "Spara Giocatore ";
inline constexpr const char* fireDialogCaptionPrefix = "Giocatore";
inline constexpr const char* angleRefused = "Attenzione inserire l'angolo tra 0 e 360";
inline constexpr const char* forceRefused = "Attenzione inserire la forza tra 100 e 13000";

} // namespace vortalin::text
