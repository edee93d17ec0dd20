#pragma once

#include <string>
#include <string_view>

// The data file as other editors save it: UTF-8 with a byte-order mark (Notepad's "UTF-8 with
// BOM", Windows PowerShell 5's Set-Content) or UTF-16 of either byte order behind its mark
// (Notepad's "Unicode", Windows PowerShell 5's Out-File). Gives its text in the form the program
// writes: UTF-8 without a mark, each UTF-16 code unit in its own sequence. Text without a mark is
// UTF-8 already and comes back as it is; a UTF-16 file's odd last byte is dropped, and marks at
// the start of the text, which are never text, go.
std::string ReadDataFileText(std::string bytes);
// Whether ReadDataFileText gives the bytes back as they are: they begin with no mark.
bool IsDataFileTextAsItStands(std::string_view bytes);
