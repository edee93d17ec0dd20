; The setup program's own texts in French; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_FRENCH} "Démarrer Nudgely au démarrage de Windows"
LangString SetupStartNow ${LANG_FRENCH} "Démarrer Nudgely maintenant"
LangString SetupStillRunning ${LANG_FRENCH} "Nudgely est toujours en cours d'exécution et n'a pas pu être fermé. Quittez-le depuis le menu de son icône dans la zone de notification, puis réessayez."
LangString SetupStillRunningShort ${LANG_FRENCH} "Nudgely est toujours en cours d'exécution."
