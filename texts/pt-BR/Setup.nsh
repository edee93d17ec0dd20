; The setup program's own texts in Brazilian Portuguese; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_PORTUGUESEBR} "Iniciar o Nudgely quando o Windows iniciar"
LangString SetupStartNow ${LANG_PORTUGUESEBR} "Iniciar o Nudgely agora"
LangString SetupStillRunning ${LANG_PORTUGUESEBR} "O Nudgely ainda está em execução e não pôde ser fechado. Feche-o pelo menu do ícone na área de notificação e tente novamente."
LangString SetupStillRunningShort ${LANG_PORTUGUESEBR} "O Nudgely ainda está em execução."
