#include "families.h"

namespace art {

void DrawPanels(Sink&) {}

}  // namespace art
