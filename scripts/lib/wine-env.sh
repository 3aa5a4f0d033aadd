# Shared by the scripts: a private X display and Wine prefix with a virtual desktop that
# has a taskbar and notification area. Source it, then call hw_wine_start / hw_wine_stop.
#   HW_PREFIX   the Wine prefix to use (created on first use)
#   HW_DISPLAY  an X display to use instead of a private Xvfb (optional)

hw_xvfb_pid=""

# Wine makes Linux file names from Windows ones in the locale's character set: without UTF-8,
# a name outside ASCII cannot be made. A caller without a UTF-8 locale gets C.UTF-8 (a test
# that sets its own locale keeps it).
hw_utf8_locale() {
    case "$(locale charmap 2>/dev/null)" in
        UTF-8 | utf-8 | UTF8 | utf8) ;;
        *) export LC_ALL=C.UTF-8 ;;
    esac
}
hw_utf8_locale

hw_free_display() {
    local n
    for n in $(seq 90 200); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then echo "$n"; return 0; fi
    done
    return 1
}

# What a prefix depends on: Wine's version and the architectures it can run (a 64-bit-only
# Wine makes a prefix without the 32-bit system, in which programs no longer start once the
# 32-bit part is installed).
hw_wine_identity() {
    local arches=() lib unix
    for lib in /usr/lib/wine /usr/lib/*/wine /usr/lib64/wine /usr/local/lib/wine /usr/local/lib/*/wine; do
        for unix in "$lib"/*-unix; do
            [ -f "$unix/ntdll.so" ] && arches+=("$(basename "$unix" -unix)")
        done
    done
    echo "$(wine --version 2>/dev/null)" $(printf '%s\n' "${arches[@]}" | sort -u)
}

# Makes the prefix again if another Wine installation made it (or it carries no stamp).
hw_wine_check_prefix() {
    local stamp="$HW_PREFIX/.hidewell-wine" identity
    identity="$(hw_wine_identity)"
    if [ -f "$HW_PREFIX/system.reg" ] && [ "$(cat "$stamp" 2>/dev/null)" != "$identity" ]; then
        echo "The Wine prefix $HW_PREFIX was made by another Wine installation: making it again..."
        WINEPREFIX="$HW_PREFIX" wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$HW_PREFIX" wineserver -w >/dev/null 2>&1 || true
        rm -rf "$HW_PREFIX"
    fi
}

# Starts Xvfb (unless HW_DISPLAY is set), prepares the prefix and starts the desktop.
hw_wine_start() {
    hw_wine_check_prefix
    if [ -f "$HW_PREFIX/system.reg" ]; then
        echo "Starting a Wine desktop..."
    else
        echo "Starting a Wine desktop (first time: making its Wine prefix, about a minute)..."
    fi
    export WINEPREFIX="$HW_PREFIX" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    if [ -n "${HW_DISPLAY:-}" ]; then
        export DISPLAY="$HW_DISPLAY"
    else
        local n; n=$(hw_free_display) || { echo "no free X display" >&2; return 1; }
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        hw_xvfb_pid=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wine wineboot --init >/dev/null 2>&1 || true
        # Every program of the prefix opens on one virtual desktop with a taskbar.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1000x700 /f >/dev/null 2>&1
        wineserver -w
        hw_wine_identity >"$WINEPREFIX/.hidewell-wine"
    fi
    # Keep the server, and with it the desktop, alive between programs.
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 || true
    local i
    for i in $(seq 1 100); do
        if xwininfo -root -children 2>/dev/null | grep -q 'Wine desktop'; then break; fi
        sleep 0.2
    done
}

# Ends every Wine process of the prefix and the private X server.
hw_wine_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; wineserver -w >/dev/null 2>&1 || true; fi
    if [ -n "$hw_xvfb_pid" ]; then kill "$hw_xvfb_pid" 2>/dev/null || true; wait "$hw_xvfb_pid" 2>/dev/null || true; hw_xvfb_pid=""; fi
}

hw_screenshot() {
    import -display "$DISPLAY" -window root "$1" 2>/dev/null
}
