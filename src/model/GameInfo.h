// The game's own name, version and addresses: one place for all of them.
#pragma once

inline constexpr const char* GameName = "Quelbrin";
inline constexpr const char* GameVersion = "1.0.2.0";
inline constexpr const char* GameHomePage = "https://www.quelbrin.example/";
inline constexpr const char* SupportEmail = "support@quelbrin.example";
