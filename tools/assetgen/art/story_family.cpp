// The story's family: the intro's seven scenes and the outro's four pictures.
#include "families.h"
#include "story_art.h"

namespace art {

void DrawStory(Sink& sink) {
    story::DrawIntroRideArt(sink);
    story::DrawIntroCourtArt(sink);
    story::DrawIntroJoustArt(sink);
    story::DrawOutroArt(sink);
}

}  // namespace art
