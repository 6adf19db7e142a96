# What the layer checks share (sourced): the quoted includes of a folder's files, and the
# report of an include that runs the wrong way. Set layers_title before the first report.
layers_failed=0

layer_problem() {
    [ "$layers_failed" = 1 ] || echo "$layers_title"
    layers_failed=1
    echo "  $1"
}

# "file:line:target" for every #include "target" of the .h and .cpp files of `dir` (subfolders
# with --recursive as the first argument).
quoted_includes() {
    local depth=(-maxdepth 1)
    if [ "$1" = --recursive ]; then
        depth=()
        shift
    fi
    local include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"'
    find "$1" "${depth[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z \
        | xargs -0 -r grep -nHE "$include" \
        | sed -E "s/^([^:]*):([0-9]+):${include#^}([^\"]*)\".*/\1:\2:\3/"
}
