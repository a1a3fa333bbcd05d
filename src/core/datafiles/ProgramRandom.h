#pragma once

#include <cstdint>
#include <random>

/// The one program-wide pseudo-random generator (31-bit values). The main window seeds it with
/// the time in seconds at every activation; tests and the console seed it explicitly.
std::minstd_rand &ProgramRandom();
void SeedProgramRandom(std::uint32_t seed);
