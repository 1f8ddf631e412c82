#pragma once

class TVehicle;

// Every figure of a design that the main window shows after an edit, asked
// in the window's order: the weapon placement, cost, weight, space, handling
// class, speeds, acceleration, range, the combat texts, the tire and armor
// sums, the weight margins for the acceleration classes, the design year,
// the power and the validity check. The first error met (an overflow, a
// conversion error) is thrown, as it would end the window's recalculation.
// The breakdowns go to scratch lists; the window's own lists are untouched.
void ComputeFigures(TVehicle& V);
