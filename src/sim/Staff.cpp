// Candidates, supervision and salaries.
#include "sim/PropertyDay.h"

// Placeholder bodies: the staff rules are filled in with the staff issue.
void RemoveCandidates() {}
void GenerateCandidates() {}
void SupervisionCountdown(DayContext&) {}
bool SalaryStep(DayContext&, int32_t) { return false; }
