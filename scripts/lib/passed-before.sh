# Legs of the test run that passed on this very tree are not run again (sourced by test.sh).
# A leg's stamp, in the build folder, holds the digest of all it can depend on: the content of
# every file of the source tree that git knows or would add (uncommitted changes included), and
# every installed package with its version. Anything else changed, or KESTRELON_RETEST=1, and the
# leg runs. A fresh clone has no stamps, so CI runs everything.

# The digest of the tree and the packages, or nothing outside a git work tree.
tree_digest() {
    git rev-parse --is-inside-work-tree >/dev/null 2>&1 || return 0
    {
        git ls-files -z --cached --others --exclude-standard | sort -z |
            xargs -0 -r sha256sum 2>&1
        dpkg-query -W
    } | sha256sum | cut -d' ' -f1
}

# run_leg NAME COMMAND...: runs the leg unless it passed on this digest; says which, and how long.
run_leg() {
    local name=$1 stamp=$stamps/$1 started=$SECONDS
    shift
    if [ -n "$digest" ] && [ "${KESTRELON_RETEST:-}" != 1 ] && [ -f "$stamp" ] &&
        [ "$(head -n 1 "$stamp")" = "$digest" ]; then
        echo "== $name: passed on this same tree and packages at $(tail -n 1 "$stamp"); not run" \
            "again (KESTRELON_RETEST=1 runs it)"
        return 0
    fi
    echo "== $name"
    "$@"
    echo "== $name: passed in $((SECONDS - started)) s"
    if [ -n "$digest" ]; then
        mkdir -p "$stamps"
        printf '%s\n%s\n' "$digest" "$(date '+%Y-%m-%d %H:%M:%S')" >"$stamp"
    fi
}
