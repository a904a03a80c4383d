# Shared by the numbered scripts (sourced, not run): how an application on
# X11 is named, how its creator code follows from the name, and how text
# reaches one of its windows. vm-x11 beside the scripts answers what they ask
# of the X server.
#
# The name of an application is the class of its window (the second part of
# WM_CLASS), as vm-x11 reads it: UTF-8, or Latin-1 when it is no valid UTF-8.
# Its creator code comes from the table of known applications below,
# otherwise it is the first four characters of the name, padded with blanks.

x11="$(dirname "$0")/vm-x11"
# The classes of the word processor; the table below gives them "MSWD".
word_processor_classes="libreoffice-writer libreoffice soffice"

creator_code() {
    [ -n "$1" ] || return 0
    case "$(printf '%s' "$1" | tr '[:upper:]' '[:lower:]')" in
        velmora) echo "VMRg" ;;
        vm-companion | "vm companion") echo "VMRb" ;;
        libreoffice-writer | libreoffice | soffice) echo "MSWD" ;;
        # Characters, not bytes: a name may hold umlauts.
        *) printf '%s    \n' "$1" | LC_ALL=C.UTF-8 sed 's/^\(....\).*$/\1/' ;;
    esac
}

# The window of the application named $1 that was used last, minimised ones
# included; fails when the application has no window.
target_window() {
    [ -n "$1" ] || return 1
    "$x11" window "$1"
}

# The word processor's window used last.
word_processor_window() {
    # shellcheck disable=SC2086 # one argument per class
    "$x11" window $word_processor_classes
}

# Sends the paste key to window $1 once it is in front; fails when it did not
# come to the front. Keys go to the focused window without --window: many
# applications ignore the synthetic events that --window sends.
paste_into_window() {
    [ -n "$1" ] || return 1
    "$x11" activate "$1" || return 1
    xdotool key --clearmodifiers ctrl+v
}

# Inserts the text on standard input into window $1 by pasting it. Typing
# would lose characters outside ASCII. The paste key goes once more when the
# target asked for a format the text does not offer and did not fetch it (an
# application that still has the former clipboard content in mind pastes
# nothing the first time); a target that asks for nothing is given time, as a
# second key would paste the text twice. Exit status 4 tells that it never
# fetched the text. The clipboard gets back what
# it held before, in every format, once the target has taken the text, unless
# something newer was copied meanwhile; that runs on its own after the script
# has ended.
insert_into_window() {
    [ -n "$1" ] || return 1
    "$x11" activate "$1" || return 1
    "$x11" hold xdotool key --clearmodifiers ctrl+v
}
