#pragma once

// The program's main function: the command line decides between the self test, a close request
// to the running instance, and becoming the running instance. Returns the process exit code.
int RunNudgely();
