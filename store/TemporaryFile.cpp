#include "store/TemporaryFile.h"

#include "store/FileOperations.h"

TTemporaryFile::~TTemporaryFile() { RemoveFile(Path); }
