# The keycode of each keysym at the first level of the keymap xkbcomp prints,
# the lowest keycode where several carry it: keysym, tab, keycode.
/^xkb_keycodes/ { section = "keycodes" }
/^xkb_symbols/ { section = "symbols" }
section == "keycodes" && /^[ \t]*<[^>]+>[ \t]*=[ \t]*[0-9]+;/ {
    split($0, part, /[<>=; \t]+/)
    code[part[2]] = part[3]
}
section == "symbols" && match($0, /key[ \t]*<[^>]+>/) {
    key = substr($0, RSTART, RLENGTH)
    sub(/^key[ \t]*</, "", key)
    sub(/>$/, "", key)
}
section == "symbols" && key != "" && match($0, /(\{|=)[ \t]*\[[ \t]*[A-Za-z0-9_]+/) {
    sym = substr($0, RSTART, RLENGTH)
    sub(/^.*\[[ \t]*/, "", sym)
    if (!(sym in keycode) || code[key] + 0 < keycode[sym] + 0)
        keycode[sym] = code[key]
    key = ""
}
END { for (sym in keycode) print sym "\t" keycode[sym] }
