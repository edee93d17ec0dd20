// A library of a name that only the test's own folder holds, as a planted one would be.
extern "C" __declspec(dllexport) int PlantedLibraryMark() { return 1; }
