#pragma once

#include <cstdint>

// The program-wide random generator: our own fixed algorithm, so that a seed
// gives the same sequence on every machine and library.
void Randomize();                 // seed from the clock
void RandSeed(std::uint32_t seed);
std::uint32_t CurrentRandSeed();
int Random(int range);            // 0 <= result < range; 0 when range <= 0
double RandomFloat();             // 0 <= result < 1
double RandG(double mean, double stdDev); // normally distributed
