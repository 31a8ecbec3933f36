// The main window's configuration of its engine objects, kept here so every window
// and test sets them up the same way.
#pragma once

class TIdAntiFreeze;
class TIdFTP;
class TIdLogDebug;

// Control connection: receive chunks of 8192 bytes, send chunks of 1024, the log hook
// attached and enabled (its LogTime off, target the debug output channel). The caller
// still sets logHook.OnLogItem (the session log), logHook.DebugOutput (the debug
// channel), logHook.Active (the trasa check box) and pump->Pump (the event loop). Data
// connections keep the class defaults of 32768 bytes. The pump, when given: a 50 ms
// rhythm and dispatch also when data are flowing (OnlyWhenIdle off), then at most every
// 10 ms (BusyPumpInterval) so the pump costs no noticeable throughput.
void configureMainWindowEngine(TIdFTP& ftp, TIdLogDebug& logHook, TIdAntiFreeze* pump = nullptr);
