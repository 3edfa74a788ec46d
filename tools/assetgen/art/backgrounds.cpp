#include "families.h"

namespace art {

void DrawBackgrounds(Sink&) {}

}  // namespace art
