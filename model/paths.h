// Byte-level path helpers that respect Shift-JIS double-byte characters.
#pragma once

bool isLeadByte(unsigned char b);
bool isTrailByte(unsigned char b);
// destination = directory part of path (with its trailing separator) followed by suffix.
bool directoryWithSuffix(const char* path, char* destination, const char* suffix);
bool directoryPart(const char* path, char* destination);
