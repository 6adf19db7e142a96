# What the test programs need to run without a display (sourced): Qt's offscreen platform and a
# private runtime folder.
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
chmod 0700 "$XDG_RUNTIME_DIR"
# Most tests wait on timers and child processes: twice as many at once as processors.
ctest_jobs=$(($(nproc) * 2))
