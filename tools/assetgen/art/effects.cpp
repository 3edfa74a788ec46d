#include "families.h"

namespace art {

void DrawEffects(Sink&) {}

}  // namespace art
