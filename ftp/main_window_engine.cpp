#include "ftp/main_window_engine.h"

#include "ftp/id_anti_freeze.h"
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"

void configureMainWindowEngine(TIdFTP& ftp, TIdLogDebug& logHook, TIdAntiFreeze* pump) {
    ftp.RecvBufferSize = 8192;
    ftp.SendBufferSize = 1024;
    ftp.Intercept = &logHook;
    ftp.InterceptEnabled = true;
    logHook.LogTime = false;
    logHook.Target = ltDebugOutput;
    if (pump) {
        pump->IdleTimeOut = 50;
        pump->OnlyWhenIdle = false;
        pump->BusyPumpInterval = 10;
    }
}
