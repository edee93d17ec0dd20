#pragma once

#include "tests/support/MessagePumping.h"

#include <windows.h>

#include <string>

std::wstring GetOwnExecutablePath();

