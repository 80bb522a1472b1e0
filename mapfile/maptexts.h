#pragma once

// What the player reads when a map cannot be saved or loaded.
namespace vortalin::text {

inline constexpr const char* mapNotSaved = "Impossibile salvare la mappa: ";
inline constexpr const char* mapNotLoaded = "Impossibile caricare la mappa: ";
inline constexpr const char* mapMissing = "il file non esiste";
inline constexpr const char* mapNotAFile = "il nome non indica un file";
inline constexpr const char* mapTooShort = "il file è troppo corto per essere una mappa";
inline constexpr const char* mapNotFinite = "il file contiene valori non validi";

// The map file dialog's checks of the name.
inline constexpr const char* mapNameTooShort = "Il nome deve essere di almeno 1 lettera";
inline constexpr const char* mapWrongExtension = "attenzione estensione non corretta ";

} // namespace vortalin::text
