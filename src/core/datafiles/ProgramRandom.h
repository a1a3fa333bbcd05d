#pragma once

#include <cstdint>
#include <random>

/// The program's pseudo-random generator (31-bit values), one for a run: the application object
/// owns it, the main window seeds it with the time in seconds at every activation and the practice
/// window draws from it; tests and the console seed it explicitly.
class ProgramRandom
{
public:
    /// 0 is not a valid state of the generator and counts as 1.
    void seed(std::uint32_t seed) { m_generator.seed(seed == 0 ? 1u : seed); }
    std::uint32_t next() { return static_cast<std::uint32_t>(m_generator()); }

private:
    std::minstd_rand m_generator;
};
