#pragma once

#include <string>
#include <vector>

// Every argument of the process's command line, the program path first; empty if it cannot be read.
std::vector<std::wstring> ReadCommandLine();
