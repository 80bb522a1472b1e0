#pragma once

namespace vortalin::ui {

// Loads the toolkit's own Italian texts (the context menus of text boxes and
// scroll bars, standard buttons) whatever the desktop's language. Call once
// the application object exists and before any window; false when the
// catalogue is not installed, and the toolkit then speaks its own language.
bool installItalianToolkitTexts();

} // namespace vortalin::ui
