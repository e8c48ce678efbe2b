// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting a ribbed belt: its static tension, the load it puts on the shafts
// and the frequency at which its free span sounds on a tension meter, by the
// belt makers' published method, as plain functions of numbers.  Every step
// is checked (a fault throws) and runs in double precision.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

// A new belt is fitted at this many times the tension of a belt run in.
inline constexpr double kNewBeltTension = 1.3;

// The static tension per strand (N) of a belt run in:
// 500 × (2.02 − arcFactor) × power × serviceFactor / (arcFactor × beltSpeed)
// + massPerRib × ribs × beltSpeed², with the motor's power in kW, the belt
// speed in m/s and the mass per rib in kg/m.
Real RunInTension(Real power, Real serviceFactor, Real arcFactor, Real beltSpeed, Real massPerRib, Real ribs);

// The static load (N) on each shaft of two strands at `tension` (N) around a
// wrap angle of `wrapAngle` degrees: 2 × tension × sin(wrapAngle / 2).
Real ShaftLoad(Real tension, Real wrapAngle);

// The free span (mm) between the pulleys of diameters diaA and diaB (mm) at
// the centre distance centerDist (mm): √(C² − ((diaA − diaB) / 2)²).
Real FreeSpan(Real centerDist, Real diaA, Real diaB);

// The frequency (Hz) at which a span of `span` mm sounds at `tension` (N):
// √(tension / (massPerRib × ribs)) / (2 × span / 1000).
Real SpanFrequency(Real tension, Real massPerRib, Real ribs, Real span);

}  // namespace kasnak
