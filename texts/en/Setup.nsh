; The setup program's own texts in English; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_ENGLISH} "Start Nudgely when Windows starts"
LangString SetupStartNow ${LANG_ENGLISH} "Start Nudgely now"
LangString SetupStillRunning ${LANG_ENGLISH} "Nudgely is still running and could not be closed. Quit it from its tray menu and try again."
LangString SetupStillRunningShort ${LANG_ENGLISH} "Nudgely is still running."
