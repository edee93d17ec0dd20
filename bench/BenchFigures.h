#pragma once

#include <string>
#include <vector>

// Seconds on the high-resolution counter, from an arbitrary start.
double ReadSeconds();

double GetMedian(std::vector<double> values);
double GetMinimum(const std::vector<double>& values);

// One line of the report: the figure, its floor measured in the same run, their ratio and the
// goal for that ratio (0 for none).
void PrintFigure(const std::string& name, double value, const std::string& floorName, double floor,
                 const std::string& unit, double goal);
