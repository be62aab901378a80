#pragma once

// Limits of the dwell angles in camshaft degrees, shared by the settings checks, the
// choosers and the check of a whole document.
double maxChargeDwell(int cylinders);
double maxInputChargeDwell(int cylinders);
// The charge dwell the panel proposes when it switches into a dwell-based mode.
double defaultChargeDwell(int cylinders);
