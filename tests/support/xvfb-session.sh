# Sourced by the real-window tests: runs the calling script again inside a virtual X display
# with the same arguments, and leaves the offscreen platform to the widget tests.
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    # A display number of its own: runs started at once, here or by other test suites on the
    # machine, would otherwise all try :99 first and race for it.
    exec xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x768x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
