// Random events and market changes.
#include "sim/PropertyDay.h"

// Placeholder body: the events are filled in with the staff issue.
void RandomEvent(Property*, Property*) {}
