// Multimedia settings that start-up corrects on every run. The early group
// runs before hardware detection, the late group just before the launcher
// opens (and not at all when no hardware was found).
#pragma once

// Renames the misspelt volume-control setting of earlier chip drivers in the
// MEDIA class (on Windows 98, 98 SE, ME, 2000 and XP).
void ScanMediaClass();
// The same for the instances under one class key (local machine). Returns 1.
int MigrateVolumeControlValue(const char* classKeyPath);
// Windows NT 4.0 only: switches on DMA for ATAPI and SCSI ports. Returns 1.
int EnableNt4AtapiDma();
// The CD audio setting, the default audio format, the applications' Run entry
// and the start-up sound; setupIniPath is the SourceFolder's "setup.ini".
void RunLateTouchups(const char* setupIniPath);
