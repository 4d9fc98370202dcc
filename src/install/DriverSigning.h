// The driver-signing list of hardware IDs: entries for the maker's PCI
// vendor are removed before a driver of ours is installed.
#pragma once

// Deletes every value of "SOFTWARE\Microsoft\Driver Signing\Classes\HWID"
// (local machine) whose name contains "PCI\VEN_1B7D" (case-sensitive); other
// values stay. Nothing happens when the key cannot be opened.
void DeleteMakerHardwareIds();
