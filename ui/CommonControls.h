#pragma once

#include <windows.h>

// Registers the common control window classes given as ICC_ flags, each once per process.
void InitCommonControlClasses(DWORD classes);
