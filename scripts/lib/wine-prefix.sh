# Sourced: prepare_wine_prefix makes $WINEPREFIX ready once (no window manager waits, fonts).
prepare_wine_prefix() {
  if [[ -f "$WINEPREFIX/.nudgely-ready" ]]; then
    return 0
  fi
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  # Without a window manager Wine waits on every hide and destroy unless windows are unmanaged.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  # Debian's Wine does not find its own fonts by itself.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wineserver -w
  touch "$WINEPREFIX/.nudgely-ready"
}
true
