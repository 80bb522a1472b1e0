#pragma once

// What the player reads when a map cannot be saved or loaded.
namespace vortalin::text {

inline constexpr const char* mapNotSaved = "Impossibile salvare la mappa: ";
inline constexpr const char* mapNotLoaded = "Impossibile caricare la mappa: ";
inline constexpr const char* mapMissing = "il file non esiste";
inline constexpr const char* mapNotAFile = "il nome non indica un file";
inline constexpr const char* mapTooShort = "il file è troppo corto per essere una mappa";
inline constexpr const char* mapNotFinite = "il file contiene valori non validi";

} // namespace vortalin::text
