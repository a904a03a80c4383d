# Shared by the numbered scripts (sourced, not run): how an application on
# X11 is named, how its creator code follows from the name, and how text
# reaches one of its windows.
#
# The name of an application is the class of its window (the second part of
# WM_CLASS). Its creator code comes from the table of known applications
# below, otherwise it is the first four characters of the name, padded with
# blanks.

creator_code() {
    [ -n "$1" ] || return 0
    case "$(printf '%s' "$1" | tr '[:upper:]' '[:lower:]')" in
        velmora) echo "VMRg" ;;
        vm-companion) echo "VMRb" ;;
        libreoffice-writer | libreoffice | soffice) echo "MSWD" ;;
        *) printf '%-4.4s\n' "$1" ;;
    esac
}

# The class of window $1; nothing when it has none.
window_class() {
    xprop -id "$1" WM_CLASS 2>/dev/null |
        sed -n 's/^WM_CLASS([A-Z_0-9]*) = ".*", "\(.*\)"$/\1/p'
}

# The class of the window in front; nothing when no window is.
front_window_class() {
    front=$(xdotool getactivewindow 2>/dev/null) || return 0
    window_class "$front"
}

# Visible windows of the application named $1, the active one first.
target_windows() {
    [ -n "$1" ] || return 0
    pattern="^$(printf '%s' "$1" | sed 's/[][\.^$*+?(){}|/]/\\&/g')\$"
    active=$(xdotool getactivewindow 2>/dev/null)
    for option in --class --classname; do
        windows=$(xdotool search --onlyvisible "$option" "$pattern" 2>/dev/null)
        [ -n "$windows" ] || continue
        for w in $windows; do [ "$w" = "$active" ] && echo "$w"; done
        for w in $windows; do [ "$w" != "$active" ] && echo "$w"; done
        return 0
    done
}

# Visible windows of the application whose creator code is $1, active first.
windows_of_creator() {
    active=$(xdotool getactivewindow 2>/dev/null)
    windows=$(xdotool search --onlyvisible --class '.' 2>/dev/null)
    for w in $active $windows; do
        [ "$(creator_code "$(window_class "$w")")" = "$1" ] && echo "$w"
    done
}

# Brings window $1 to the front; fails when it did not become active.
# windowactivate --sync may give up silently, so the result is checked.
activate_window() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    timeout 3 xdotool windowactivate --sync "$1" >/dev/null 2>&1
    tries=0
    while [ "$tries" -lt 30 ]; do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
        tries=$((tries + 1))
    done
    return 1
}

# Sends the paste key to window $1 once it is in front. Keys go to the
# focused window without --window: many applications ignore the synthetic
# events that --window sends.
paste_into_window() {
    [ -n "$1" ] || return 0
    activate_window "$1" || return 0
    xdotool key --clearmodifiers ctrl+v
}

# Inserts text $2 into window $1 by pasting it, and leaves the clipboard
# with the text it held before. Typing would lose characters outside ASCII.
insert_into_window() {
    [ -n "$1" ] || return 0
    had_text=0
    former=$(xclip -o -selection clipboard 2>/dev/null && printf x) && had_text=1
    former=${former%x}

    log=$(mktemp) || return 0
    # In the foreground (-verbose) xclip serves the text and counts requests.
    printf '%s' "$2" | xclip -i -selection clipboard -verbose >/dev/null 2>"$log" &
    server=$!
    tries=0
    while ! grep -q 'Waiting for selection request' "$log" && [ "$tries" -lt 50 ]; do
        sleep 0.02
        tries=$((tries + 1))
    done

    if activate_window "$1"; then
        xdotool key --clearmodifiers ctrl+v
        # The paste is served once the target's requests have come and no
        # further request followed for a moment.
        served=0
        quiet=0
        tries=0
        while [ "$tries" -lt 150 ] && [ "$quiet" -lt 15 ]; do
            sleep 0.02
            now=$(grep -c 'selection request number' "$log")
            if [ "$now" -gt 1 ] && [ "$now" = "$served" ]; then
                quiet=$((quiet + 1))
            else
                quiet=0
            fi
            served=$now
            tries=$((tries + 1))
        done
    fi

    if [ "$had_text" = 1 ]; then
        printf '%s' "$former" | xclip -i -selection clipboard >/dev/null 2>&1
    fi
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    rm -f "$log"
}
