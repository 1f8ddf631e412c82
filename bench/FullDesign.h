#pragma once

class TVehicle;

// A design with every kind of part, option, weapon, add-on, accessory and
// crew item of the tests' in-memory rules set, so that every line of every
// breakdown is written.
void BuildFullDesign(TVehicle& v);
