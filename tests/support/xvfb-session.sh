# Sourced by the real-window tests: runs the calling script again inside a virtual X display
# with the same arguments, and leaves the offscreen platform to the widget tests.
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
