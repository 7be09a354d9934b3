#pragma once

#include <QString>

// The amateur band of a frequency in kHz ("20m", "70cm"), from the IARU band edges widened to
// what any region allows; empty outside every band (a frequency typed wrong, a broadcast station).
QString bandOf(double kHz);
