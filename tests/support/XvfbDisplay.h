// A private X server for the graphical tests: Xvfb on a display number it
// picks itself (-displayfd), started once per test process and stopped when
// the process ends. DISPLAY names it for GTK and for child programs.
#pragma once

#include <string>

// Starts the server on first use and gives its DISPLAY value; throws
// std::runtime_error when Xvfb cannot be started or does not answer in time.
const std::string& privateDisplay();
