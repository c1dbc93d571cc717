// The host hooks of quelbrin-sim: messages on standard output, error reports on
// standard error, everything else silent.
#pragma once

void InstallSimHost();
