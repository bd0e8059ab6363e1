// piConstant: pi to 150 decimal places, the one constant the trigonometric
// and inverse trigonometric functions share.
#pragma once

#include "decimal_number.h"

// Read-only once built. Empty until initPiConstant() has run.
extern DecimalNumber piConstant;

// Builds piConstant. Program start calls it once before the first
// calculation; later calls do nothing, so the functions that read pi call it
// too and never see an unbuilt value.
void initPiConstant();
