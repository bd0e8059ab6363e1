// Connects the recalculation's platform seam to the real window: function
// error messages as owner-less message boxes, the answer into the result box.
#pragma once

void installWindowPlatformSeam();
