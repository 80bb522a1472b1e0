#pragma once

// What the player reads when a map cannot be saved or loaded.
namespace vortalin::text {

inline constexpr const char* mapNotSaved = "Impossibile salvare la mappa: ";
inline constexpr const char* mapNotLoaded = "Impossibile caricare la mappa: ";
inline constexpr const char* mapMissing = "il file non esiste";
inline constexpr const char* mapMissingFolder = "la cartella indicata non esiste";
inline constexpr const char* mapFolder = "il nome indica una cartella, non un file";
inline constexpr const char* mapNotAFile = "il nome non indica un file";
inline constexpr const char* mapNoPermission = "non si hanno i permessi necessari";
inline constexpr const char* mapReadOnly = "il disco è protetto dalla scrittura";
inline constexpr const char* mapDiskFull = "non c'è abbastanza spazio sul disco";
inline constexpr const char* mapDiskError =
    "si è verificato un errore di lettura o scrittura sul disco";
inline constexpr const char* mapDiskGone = "il disco non è più collegato";
inline constexpr const char* mapConnectionLost =
    "il collegamento con la cartella di rete si è interrotto";
inline constexpr const char* mapNameTooLong = "il nome del file è troppo lungo";
inline constexpr const char* mapPlantedLink =
    "il file è un collegamento simbolico che un altro utente ha messo nella cartella condivisa";
inline constexpr const char* mapReplaced =
    "il file è stato sostituito o eliminato durante il salvataggio; non è stato scritto nulla";
inline constexpr const char* mapSharedHardLink =
    "il file ha anche altri nomi: nella cartella condivisa potrebbe essere un collegamento che un "
    "altro utente ha messo al posto della mappa";
inline constexpr const char* mapTooManyFiles = "ci sono troppi file aperti";
inline constexpr const char* mapTooShort = "il file è troppo corto per essere una mappa";
inline constexpr const char* mapNotFinite = "il file contiene valori che non sono numeri";
inline constexpr const char* mapSystemError = "il sistema non ha permesso l'operazione";
inline constexpr const char* mapStorageRefused = "il browser non ha permesso di conservarla";
// After that, when a map of that name was there before the save.
inline constexpr const char* mapEarlierKept =
    "; la mappa salvata prima con questo nome è rimasta com'era";
// After the reason, when neither the new map nor the old one could be written whole.
inline constexpr const char* mapOldFileHarmed =
    "; il file che c'era è rimasto in parte sovrascritto";

// The map file dialog's checks of the name.
inline constexpr const char* mapNameTooShort = "Il nome deve essere di almeno 1 lettera";
inline constexpr const char* mapWrongExtension = "attenzione estensione non corretta ";
// Where maps must stay in one folder (the browser's); %1 is the folder.
inline constexpr const char* mapNameHoldsFolder =
    "Il nome del file non può contenere «/»: le mappe si tengono solo nella cartella %1 e nelle "
    "cartelle che contiene, da scegliere nell'elenco a sinistra.";

} // namespace vortalin::text
