// The police bribe, fights, fines and raids, and the creditors.
#include "sim/PropertyDay.h"

// Placeholder bodies: the police and creditor rules are filled in with the staff issue.
void PayBribe(DayContext&) {}
void SecurityIncidents(DayContext&) {}
bool FinesAndRaids(DayContext&) { return false; }
void CreditorsDay() {}
