#pragma once

#include "PrintFixture.h"

#include <QStringList>
#include <gmock/gmock.h>

// The print form set up for one of the runtime folder's sample designs, with
// the recorded calls split into texts ("x,y size[b][R] text") and shapes.
class SheetTest : public PrintFixture
{
protected:
    // Opens a sample design as the main window would, then forgets what the
    // set-up drew.
    void Open(const char* fileName);
    void Clear();
    // Gives the open design (one with sloped armor and a gas engine) every
    // rule that has a note, and turns the confetti number on: the most notes
    // the rules tables can give.
    void AddEveryNote();
    // The longest name the title box must hold.
    void GiveLongestName();
    // Twelve weapons, more than the tables' ten rows, each with every mark
    // its table entry can carry (location, SWC, fireproof component armor,
    // extra ammunition), and component armor for the crew and the engine:
    // the plan's longest component-armor list and the widest entries.
    void MountMostWeapons();
    // Six wheels on three axles with wheel guards and hubcaps, whose boxes
    // fill the plan's sides, and composite armor of three-digit figures.
    void FitWheelGuardsAndHubcaps();
    // A pair of side pods with armor of their own, a weapon in them.
    void FitSidePods();
    // Front and back armor of three-digit composite figures.
    void GiveCompositeFrontAndBack();
    // Draws the open design's layout plan into the picture the sheets print.
    void DrawPlan();
    QStringList Texts();
    QStringList Shapes();
    // "Name size" of every text, in order.
    QStringList Fonts();
};
