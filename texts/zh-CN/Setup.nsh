; The setup program's own texts in Simplified Chinese; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_SIMPCHINESE} "Windows 启动时启动 Nudgely"
LangString SetupStartNow ${LANG_SIMPCHINESE} "立即启动 Nudgely"
LangString SetupStillRunning ${LANG_SIMPCHINESE} "Nudgely 仍在运行，无法将其关闭。请从通知区域图标的菜单中退出它，然后重试。"
LangString SetupStillRunningShort ${LANG_SIMPCHINESE} "Nudgely 仍在运行。"
