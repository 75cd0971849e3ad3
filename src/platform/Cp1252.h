#pragma once
// Windows-1252 at the display edge. The program keeps every text it files or
// sends as single bytes of this code page; QString only exists on screen.
// The code page itself (Cp1252ToUnicode, UnicodeToCp1252) is in the core.

#include <QString>
#include <string>
#include <string_view>

#include "image/CodePage.h"

QString FromCp1252(std::string_view bytes);

// Characters outside the code page become '?'.
std::string ToCp1252(const QString& text);
