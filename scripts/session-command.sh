# Sourced by the session scripts, after they have defined `stop` (which ends
# the command, if still running, and the session) and set it as the EXIT trap.

# Runs the command in the background, so that a TERM (from timeout) ends it
# with the session; then stops the session and exits with the command's
# status alone: stopping the session cannot fail the run.
velmora_run_session_command() {
  "$@" &
  command=$!
  wait "$command"
  local status=$?
  command=
  stop
  trap - EXIT
  exit "$status"
}
