// Owned zero-terminated strings of the model's records (allocated with new[], released with delete[]).
#pragma once

// A fresh copy of text, or null when text is null or the copy cannot be allocated.
char* duplicateText(const char* text);
// Replaces *slot by a fresh copy of text. The copy is made before the old string is released, so
// passing the slot's own string is safe.
void replaceText(char*& slot, const char* text);
void releaseText(char*& slot);
