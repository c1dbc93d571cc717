// Random names drawn from the model's pools.
#pragma once

#include <string>

std::string RandomFirstName(bool male);
// "Quelbrin" while no property is owned, else a name from the pool.
std::string DefaultBarName();
