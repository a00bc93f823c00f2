#!/bin/sh
# The command line's files for real: names in any bytes, a link or a FIFO
# at the output, a file-size limit, endless input, a pipe, --install.
# Usage: cli_files.sh QUELMAR DATA-FOLDER WORK-FOLDER
q=$1 data=$2
rm -rf "$3" && mkdir -p "$3" && cd "$3" || exit 1
# expect STATUS REPORT COMMAND...: the status, and standard output and error
# together byte for byte as the file REPORT (- for the text on stdin). It
# often runs in a pipeline's subshell: a failure is noted in a file.
: >failures
expect() {
    want=$1 report=$2
    shift 2
    # Through a pipe: a file-size limit on the command must not cut its words.
    { "$@" 2>&1 </dev/null; echo $? >status; } | cat >got
    status=$(cat status)
    if [ $status != "$want" ] || ! cmp -s got "$report"; then
        echo "FAILED: $* gave status $status (wanted $want):"
        cat got
        echo "$*" >>failures
    fi
}
named() { sed "s|^saved\\.cfg:|$1:|" "$data/$2"; }

# A name in CP1251 ("Вася") is read and written under exactly its bytes and
# shown escaped; so is a name holding an escape sequence.
vasya=$(printf '\302\340\361\377')
cp "$data/saved.cfg" "$vasya.cfg"
named '\\xc2\\xe0\\xf1\\xff.cfg' saved.check.txt >report
expect 1 report "$q" --check "$vasya.cfg"
named '\\xc2\\xe0\\xf1\\xff.cfg' saved.fix-keys.txt >report
expect 1 report "$q" --fix-keys "$vasya.cfg" "$vasya-fixed.cfg"
cmp "$vasya-fixed.cfg" "$data/saved.fixed.cfg" || echo "$LINENO" >>failures
cp "$data/saved.cfg" "$(printf 'a\033[2J\007').cfg"
named 'a\\x1b[2J\\x07.cfg' saved.check.txt >report
expect 1 report "$q" --check "$(printf 'a\033[2J\007').cfg"
printf '%s\n' "quelmar: Unexpected argument 'a\\x1b[2J'. (see --help)" |
    expect 2 - "$q" x.cfg "$(printf 'a\033[2J')"

# A link or a FIFO at the output is refused; what it leads to stays as it was.
echo "the player's own" >own.cfg
ln -s own.cfg link.cfg
echo "link.cfg: not written: it is a symbolic link, which --fix-keys neither follows nor replaces; name the file itself" |
    expect 2 - "$q" --fix-keys "$data/saved.cfg" link.cfg
mkfifo fifo.cfg
echo "fifo.cfg: cannot write: it is not a plain file but a pipe, a device or a socket" |
    expect 2 - "$q" --fix-keys "$data/saved.cfg" fifo.cfg

# A write past the file-size limit fails like any failed write: the old file
# stays byte for byte, and the reason is told.
echo "own.cfg: cannot write: the file reached the file-size limit the system set for the program; the file is as it was" |
    expect 2 - prlimit --fsize=1000 "$q" --fix-keys "$data/saved.cfg" own.cfg

# Endless input ends with a reason, in bounded memory; a pipe is read once.
echo "/dev/zero: cannot read: larger than 16 MiB, the most --fix-keys copies" |
    expect 2 - "$q" --fix-keys /dev/zero own.cfg
echo "/dev/zero: cannot read: longer than 1 GiB, the most the check reads" |
    expect 2 - "$q" --check /dev/zero
[ "$(cat own.cfg)" = "the player's own" ] && [ -L link.cfg ] || echo "$LINENO" >>failures
named /dev/stdin saved.check.txt >report
expect 1 report sh -c 'cat "$1" | "$0" --check /dev/stdin' "$q" "$data/saved.cfg"

# --install: the exec line once, after the player's bytes; a write that
# fails, or a file marked read-only, leaves userconfig.cfg as it was; a bad
# argument or one of the game's own scripts is refused.
mkdir game && printf 'bind w +forward' >game/userconfig.cfg
printf 'game/userconfig.cfg: added exec my.cfg\n%s\n' \
    "game/my.cfg: note: not there yet; the game runs it once it is" |
    expect 0 - "$q" --install game/my.cfg
: >game/my.cfg
echo "game/userconfig.cfg: runs MY.CFG already" | expect 0 - "$q" --install MY.CFG game
echo "game/userconfig.cfg: cannot write: the file reached the file-size limit the system set for the program; the file is as it was" |
    expect 1 - prlimit --fsize=20 "$q" --install other.cfg game
printf 'bind w +forward\r\nexec my.cfg\r\n' | cmp - game/userconfig.cfg || echo "$LINENO" >>failures
chmod a-w game/userconfig.cfg
echo "game/userconfig.cfg: cannot write: the file is marked read-only; the file is as it was" |
    expect 1 - "$q" --install other.cfg game
chmod u+w game/userconfig.cfg
for name in userconfig.cfg AutoExec.cfg; do
    echo "$name: cannot install: the game runs it by itself" | expect 2 - "$q" --install $name game
done
echo "a;b.cfg: cannot install: the name holds a semicolon, where the console ends a command" |
    expect 2 - "$q" --install 'a;b.cfg' game
echo "own.cfg: cannot install: not a folder" | expect 2 - "$q" --install my.cfg own.cfg
# A script that runs the game's own scripts, itself or through a file it
# runs, would loop from userconfig.cfg: refused, userconfig.cfg untouched.
printf 'exec Sub.cfg\r\n' >game/loop.cfg && printf 'exec "UserConfig.cfg"' >game/sub.cfg
for name in loop.cfg sub.cfg; do
    echo "$name: cannot install: it runs config.cfg or userconfig.cfg itself (or through the files it runs): run from userconfig.cfg, they would run each other for ever; game/userconfig.cfg is as it was" |
        expect 2 - "$q" --install $name game
done
printf 'bind w +forward\r\nexec my.cfg\r\n' | cmp - game/userconfig.cfg || echo "$LINENO" >>failures
[ ! -s failures ]
