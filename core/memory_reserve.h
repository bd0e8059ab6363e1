// The last line against running out of memory: a block held from start-up
// that the allocation-failure handler gives back once, so the work in hand
// can finish; the recalculation then answers OVERFLOW and takes the block
// again. Only with no block left does the handler end the program.
#pragma once

// True when the reserve was given back since the last call; clears the mark.
bool takeMemoryShortage();

// Takes the reserve again when it was given back and memory allows.
void restoreMemoryReserve();
