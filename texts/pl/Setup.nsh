; The setup program's own texts in Polish; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_POLISH} "Uruchamiaj Nudgely przy starcie systemu Windows"
LangString SetupStartNow ${LANG_POLISH} "Uruchom Nudgely teraz"
LangString SetupStillRunning ${LANG_POLISH} "Nudgely nadal działa i nie można go było zamknąć. Zakończ go z menu jego ikony w obszarze powiadomień i spróbuj ponownie."
LangString SetupStillRunningShort ${LANG_POLISH} "Nudgely nadal działa."
