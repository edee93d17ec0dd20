; The setup program's own texts in Russian; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_RUSSIAN} "Запускать Nudgely при запуске Windows"
LangString SetupStartNow ${LANG_RUSSIAN} "Запустить Nudgely сейчас"
LangString SetupStillRunning ${LANG_RUSSIAN} "Nudgely всё ещё работает, и его не удалось закрыть. Завершите его из меню его значка в области уведомлений и повторите попытку."
LangString SetupStillRunningShort ${LANG_RUSSIAN} "Nudgely всё ещё работает."
