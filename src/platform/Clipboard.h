#pragma once
// The system clipboard as text: read as Windows-1252 bytes (characters
// outside the code page become '?') and emptied.

#include <string>

// The clipboard's text; "" when it holds none.
std::string ClipboardText();
// Empties the clipboard.
void ClipboardClear();
