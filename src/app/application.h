#pragma once

// What every start of the program needs around its window, in main, the tests and the benchmarks alike.

namespace barvoznak {

// Chooses Qt's platform before the application object exists: on Windows the windows platform with
// DirectWrite text, unless the environment names another platform.
void choosePlatform();

// What the application needs before its window: its names for the desktop, the accessibility of our own
// controls, the design's look and colours, and Qt's own texts in Czech.
void setUpApplication();

} // namespace barvoznak
