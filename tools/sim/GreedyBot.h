// The greedy bot: a plausible, deterministic player that acts once a game day
// through the player's requests, as clicks on the pages would.
#pragma once

// Pays what it owes, buys the cheapest building it can afford, keeps supplies
// up, bribes the police where legality is low, hires into open positions and
// upgrades the interior when it is rich. Draws no random numbers of its own.
void GreedyBotDay();
