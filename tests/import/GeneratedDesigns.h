#pragma once

#include <cstdint>

class TVehicle;

// A design drawn from the shipped rules tables by the seed: any body,
// chassis, suspension and frame options, a power plant or a gas engine with
// options and tank, tires with options, wheelguards and hubcaps, any armor
// kind with its options, turret, pod and platform, weapon groups at every
// place they can sit with loads, magazines, weapon computers, laser options
// and component armor, accessories with amounts and notes, and the crew
// with its gear. WithHandGuns gives the seats hand guns as well (only the
// screen form of the stat block names them). The same seed gives the same
// design.
void GenerateDesign(TVehicle& V, std::uint32_t Seed, bool WithHandGuns);
