#pragma once
#include <string>
#include <vector>

// Linear interpolation through (x0, y0) and (x1, y1), evaluated at x. Values of x outside [x0, x1]
// extrapolate. The sum is formed in extended precision and rounded once to single precision, so the
// games' speed and level rules give the same value however the compiler orders the float steps.
// x1 must differ from x0.
float LinearMap(float y1, float y0, float x1, float x0, float x);

// Mixes a list in place and returns it. The random generator is re-seeded from the clock first.
// The last entry keeps its place; a list of fewer than three entries comes back unchanged.
std::vector<std::string>& ShuffleList(std::vector<std::string>& List);

// Opens File with the desktop's default application. Each argument is cut to 79 characters.
// Returns the shell's result: a value below 32 means failure.
int ShellOpenDocument(const std::string& File, const std::string& Parameters, const std::string& Folder);
