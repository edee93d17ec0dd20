; The setup program's own texts in German; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_GERMAN} "Nudgely beim Start von Windows starten"
LangString SetupStartNow ${LANG_GERMAN} "Nudgely jetzt starten"
LangString SetupStillRunning ${LANG_GERMAN} "Nudgely wird noch ausgeführt und konnte nicht beendet werden. Beenden Sie es über das Menü seines Symbols im Infobereich, und versuchen Sie es erneut."
LangString SetupStillRunningShort ${LANG_GERMAN} "Nudgely wird noch ausgeführt."
