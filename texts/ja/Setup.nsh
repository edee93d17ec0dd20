; The setup program's own texts in Japanese; the rest of its pages come with NSIS.
LangString SetupStartWithWindows ${LANG_JAPANESE} "Windows の起動時に Nudgely を起動する"
LangString SetupStartNow ${LANG_JAPANESE} "今すぐ Nudgely を起動する"
LangString SetupStillRunning ${LANG_JAPANESE} "Nudgely はまだ実行中のため、閉じることができませんでした。通知領域のアイコンのメニューから終了して、もう一度やり直してください。"
LangString SetupStillRunningShort ${LANG_JAPANESE} "Nudgely はまだ実行中です。"
