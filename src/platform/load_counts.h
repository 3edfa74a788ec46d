// Files the game thread decodes itself: each one holds up the frame it falls in, so frame
// statistics count them per frame.
#pragma once

// Counts so far: pictures never asked for ahead (GfxPrefetchImages), pictures asked for whose
// decoding on the side had not started when needed, and sounds decoded whole (long music is
// streamed: its file is read here, and decoded as it plays). The first count follows only the
// order of the calls; the second also the side thread's pace. Apart from those: streamed sounds'
// decoders opened (headers read, decoder set up), at load or by a play that found none ready.
struct GameThreadLoads {
    long long picturesUnasked = 0, picturesNotReady = 0, sounds = 0;
    long long streamsOpened = 0;
};
GameThreadLoads GameThreadLoadCounts();

// The platform layer notes each one.
enum class GameThreadLoad { PictureUnasked, PictureNotReady, Sound, StreamOpened };
void NoteGameThreadLoad(GameThreadLoad kind);
