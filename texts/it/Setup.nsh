; The setup program's own texts in Italian; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_ITALIAN} "Avvia Nudgely all'avvio di Windows"
LangString SetupStartNow ${LANG_ITALIAN} "Avvia Nudgely ora"
LangString SetupStillRunning ${LANG_ITALIAN} "Nudgely è ancora in esecuzione e non è stato possibile chiuderlo. Chiudilo dal menu della sua icona nell'area di notifica e riprova."
LangString SetupStillRunningShort ${LANG_ITALIAN} "Nudgely è ancora in esecuzione."
