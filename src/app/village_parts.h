// The village's place in the game: the land screen under screen code 6, its
// set-up steps, its dialogs and hooks, and --screen village.
#pragma once

void RegisterVillage();
