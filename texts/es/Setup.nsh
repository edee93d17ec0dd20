; The setup program's own texts in Spanish; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_SPANISHINTERNATIONAL} "Iniciar Nudgely al iniciar Windows"
LangString SetupStartNow ${LANG_SPANISHINTERNATIONAL} "Iniciar Nudgely ahora"
LangString SetupStillRunning ${LANG_SPANISHINTERNATIONAL} "Nudgely todavía se está ejecutando y no se pudo cerrar. Ciérrelo desde el menú de su icono en el área de notificación e inténtelo de nuevo."
LangString SetupStillRunningShort ${LANG_SPANISHINTERNATIONAL} "Nudgely todavía se está ejecutando."
