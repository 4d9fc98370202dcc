// The default audio format chosen from the system's list of formats.
#pragma once

#include <stddef.h>

// Walks a "SystemFormats" text ("CD Quality,Radio Quality,Telephone Quality")
// item by item up to each comma and chooses the first item that contains
// "CD" (case-sensitive). The text after the last comma is never examined, so
// a list whose only CD item is its last chooses nothing. Returns false, out
// empty, when nothing is chosen or the item does not fit.
bool ChooseCdAudioFormat(const char* systemFormats, char* out, size_t capacity);
