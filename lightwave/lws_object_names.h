// File names of the object files a scene file loads: one per object, each a valid file name that
// stays inside the object folder, and no two the same.
#pragma once

#include <string>
#include <vector>

#include "model/scene.h"

// The object's name as a file name stem (without ".lwo"). Names that are already valid come back
// unchanged. Otherwise: path separators, characters that file systems reject (< > : " | ? * and
// control characters) become "_"; a name that is empty, only dots, or ends with a dot or a blank
// has those dots / that end replaced by "_"; reserved device names (CON, NUL, COM1 ...) get a
// leading "_"; overlong names are cut to a safe length. Shift-JIS double-byte characters are kept
// whole, including those whose second byte is a backslash.
std::string sanitizedFileStem(const char* name);

// One distinct stem per object, in object order. Stems compare without regard to ASCII case (the
// scene may move to a case-insensitive file system); a stem already taken by an earlier object
// gets the first free suffix "_2", "_3", ...
std::vector<std::string> objectFileStems(const Scene& scene);
