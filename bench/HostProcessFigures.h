#pragma once

#include <string>

// What the host sees of a program of this Wine prefix, by its process name (the executable's
// name, cut to 15 characters): Wine reports no processor time or private memory of another
// process, so they are read from the host's process table.
struct THostProcessFigures {
    double ProcessorSeconds = 0;
    double PrivateResidentBytes = 0;
};

bool ReadHostProcessFigures(const std::string& processName, THostProcessFigures& figures);
