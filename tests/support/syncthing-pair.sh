#!/usr/bin/env bash
# Two Syncthing instances on this machine keeping one folder in step: two "PCs" for tests.
# Source this file, then:
#   syncthing_pair_start DIR   makes DIR/a and DIR/b (each a Syncthing home with its folder in
#                              DIR/a/folder, DIR/b/folder), starts both and waits until connected
#   syncthing_pair_pause / syncthing_pair_resume   cuts and restores the connection (both sides)
#   syncthing_pair_rescan SIDE                     scans SIDE's folder (a or b) at once
#   syncthing_pair_wait_for TIMEOUT COMMAND...     runs COMMAND every 0.2 s until it succeeds
#   syncthing_pair_check_listeners                 fails when an instance listens beyond 127.0.0.1
#   syncthing_pair_stop                            stops both (and their monitors) by process ID
# Everything listens on 127.0.0.1 only; discovery, relays, NAT traversal, local announcements,
# usage and crash reporting and upgrades are off. Every wait is bounded; a lost connection is
# dialled again every second, so that a resumed pair finds each other at once.

syncthing_pair_dir=""
declare -A syncthing_pair_pid syncthing_pair_id syncthing_pair_gui syncthing_pair_port
syncthing_pair_key="nudgely-test-$$-$RANDOM"

# A TCP port on 127.0.0.1 that nothing listens on now.
syncthing_pair_free_port() {
  local port
  while :; do
    port=$((20000 + RANDOM % 20000))
    ss -Hltn "sport = :$port" | grep -q . || { echo "$port"; return; }
  done
}

syncthing_pair_wait_for() {
  local timeout=$1
  shift
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

syncthing_pair_rest() {
  local side=$1 method=$2 path=$3
  curl -sf --max-time 5 -X "$method" -H "X-API-Key: $syncthing_pair_key" "http://${syncthing_pair_gui[$side]}$path"
}

syncthing_pair_write_config() {
  local side=$1 other=$2 home="$syncthing_pair_dir/$1"
  local version
  version=$(sed -n 's/.*<configuration version="\([0-9]*\)".*/\1/p' "$home/config.xml")
  cat >"$home/config.xml" <<XML
<configuration version="$version">
    <folder id="nudgely" label="nudgely" path="$home/folder" type="sendreceive" rescanIntervalS="3600" fsWatcherEnabled="true" fsWatcherDelayS="1" ignorePerms="false" autoNormalize="true">
        <device id="${syncthing_pair_id[a]}"></device>
        <device id="${syncthing_pair_id[b]}"></device>
        <maxConflicts>10</maxConflicts>
    </folder>
    <device id="${syncthing_pair_id[$side]}" name="$side" compression="metadata" introducer="false">
        <address>dynamic</address>
    </device>
    <device id="${syncthing_pair_id[$other]}" name="$other" compression="metadata" introducer="false">
        <address>tcp://127.0.0.1:${syncthing_pair_port[$other]}</address>
    </device>
    <gui enabled="true" tls="false">
        <address>${syncthing_pair_gui[$side]}</address>
        <apikey>$syncthing_pair_key</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${syncthing_pair_port[$side]}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <urAccepted>-1</urAccepted>
        <urSeen>3</urSeen>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <crashReportingEnabled>false</crashReportingEnabled>
        <startBrowser>false</startBrowser>
        <announceLANAddresses>false</announceLANAddresses>
        <reconnectionIntervalS>1</reconnectionIntervalS>
    </options>
</configuration>
XML
}

syncthing_pair_connected() {
  syncthing_pair_rest a GET /rest/system/connections | tr -d ' \n' | grep -q "\"${syncthing_pair_id[b]}\":{[^}]*\"connected\":true" &&
    syncthing_pair_rest b GET /rest/system/connections | tr -d ' \n' | grep -q "\"${syncthing_pair_id[a]}\":{[^}]*\"connected\":true"
}

syncthing_pair_disconnected() {
  ! syncthing_pair_rest a GET /rest/system/connections | tr -d ' \n' | grep -q '"connected":true' &&
    ! syncthing_pair_rest b GET /rest/system/connections | tr -d ' \n' | grep -q '"connected":true'
}

syncthing_pair_start() {
  syncthing_pair_dir=$1
  local side
  for side in a b; do
    mkdir -p "$syncthing_pair_dir/$side/folder"
    syncthing generate --home="$syncthing_pair_dir/$side" --no-default-folder >/dev/null 2>&1 || return 1
    syncthing_pair_id[$side]=$(syncthing --home="$syncthing_pair_dir/$side" --device-id 2>/dev/null)
    syncthing_pair_port[$side]=$(syncthing_pair_free_port)
    syncthing_pair_gui[$side]=127.0.0.1:$(syncthing_pair_free_port)
  done
  syncthing_pair_write_config a b
  syncthing_pair_write_config b a
  for side in a b; do
    STNODEFAULTFOLDER=1 STNOUPGRADE=1 syncthing serve --home="$syncthing_pair_dir/$side" --no-browser --no-restart \
      --no-upgrade --gui-address="http://${syncthing_pair_gui[$side]}" \
      >"$syncthing_pair_dir/$side.log" 2>&1 </dev/null &
    syncthing_pair_pid[$side]=$!
  done
  syncthing_pair_wait_for 30 syncthing_pair_connected
}

syncthing_pair_pause() {
  syncthing_pair_rest a POST "/rest/system/pause?device=${syncthing_pair_id[b]}" &&
    syncthing_pair_rest b POST "/rest/system/pause?device=${syncthing_pair_id[a]}" &&
    syncthing_pair_wait_for 15 syncthing_pair_disconnected
}

syncthing_pair_resume() {
  syncthing_pair_rest a POST "/rest/system/resume?device=${syncthing_pair_id[b]}" &&
    syncthing_pair_rest b POST "/rest/system/resume?device=${syncthing_pair_id[a]}" &&
    syncthing_pair_wait_for 30 syncthing_pair_connected
}

syncthing_pair_rescan() {
  syncthing_pair_rest "$1" POST /rest/db/scan?folder=nudgely
}

# The instance started and the one its monitor started in turn.
syncthing_pair_processes() {
  local pid=${syncthing_pair_pid[$1]:-}
  [[ -n "$pid" ]] && echo "$pid" $(pgrep -P "$pid")
}

syncthing_pair_check_listeners() {
  local side pid listeners=0 wide=""
  for side in a b; do
    for pid in $(syncthing_pair_processes "$side"); do
      listeners=$((listeners + $(ss -Hlntup | grep -c "pid=$pid,")))
      wide+=$(ss -Hlntup | grep "pid=$pid," | awk '{print $5}' | grep -v '^127\.0\.0\.1:' || true)
    done
  done
  if ((listeners == 0)); then
    echo "No Syncthing instance listens" >&2
    return 1
  fi
  if [[ -n "$wide" ]]; then
    echo "Syncthing listens beyond 127.0.0.1: $wide" >&2
    return 1
  fi
}

syncthing_pair_stop() {
  local side
  for side in a b; do
    local pid processes
    processes=$(syncthing_pair_processes "$side") || continue
    kill $processes 2>/dev/null
    for pid in $processes; do
      syncthing_pair_wait_for 10 bash -c "! kill -0 $pid 2>/dev/null" || kill -9 "$pid" 2>/dev/null
    done
    wait "${syncthing_pair_pid[$side]}" 2>/dev/null
    syncthing_pair_pid[$side]=""
  done
}
true
