// What the player learns about saves: the first save of a run that fails, and the first good
// save after it. The saves report here (SaveAll and the dialogs that save on their own); the
// notice waits until the start of the next frame of whatever screen is up, which shows it over
// itself through FrameHooks().showSaveNotice.
#pragma once

#include <string>

enum class SaveNotice { None, Failed, SavedAgain };

// A save of the settings or the profiles ended: `saved` false when anything was not written.
// The first failure of a run is noted for the player, and a later good save once after it.
void NoteSaveResult(bool saved);
// The notice waiting to be shown (None when none is).
SaveNotice PendingSaveNotice();
// Marks the waiting notice shown: it is given once.
void TakeSaveNotice();
// Forgets every save of the run (tests).
void ResetSaveNotices();
