// The StateFile "TQISETUP.INI" in the Windows folder: what the programs that
// run after this one (the staged WDM setup, the applications' setup) need to
// know about a pending restart and a queued driver setup. This program only
// writes it.
#pragma once

// Every time the launcher opens: no driver setup queued; a restart pending
// everywhere but on Windows NT 4.0.
void ResetStateFile(bool isNT4);

// The NT 4.0 driver installation inside the combined command.
void RecordRestartNeed(bool restartNeeded);

// The WDM package is staged and its setup program, setupCommand, is still to
// be run (the combined command); no restart is pending.
void RecordWdmSetupQueued(const char* setupCommand, bool isWin98SE, bool precopyCabsPresent);

// The WDM package is staged and a restart is pending; no setup is queued.
void RecordWdmRestartPending();
