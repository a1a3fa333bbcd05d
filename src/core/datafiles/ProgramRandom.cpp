#include "ProgramRandom.h"

std::minstd_rand &ProgramRandom()
{
    static std::minstd_rand generator;
    return generator;
}

void SeedProgramRandom(std::uint32_t seed)
{
    ProgramRandom().seed(seed == 0 ? 1u : seed); // 0 is not a valid state of this generator
}
