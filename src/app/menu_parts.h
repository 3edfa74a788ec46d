// Wires the menu dialogs into the game: their set-up steps, the screens
// that open them, and --screen options, manager and credits.
#pragma once

void RegisterMenus();
