# The process namespace that a screen-reader session runs in, sourced by run-session.sh and
# users-orca.sh. It sets `namespace` to the unshare command that makes one here: with a user
# namespace, so that a user without root can make it, or as root without one, since a chroot
# refuses user namespaces. Where neither can be made (a container without the right),
# `namespace` stays empty and `no_namespace` says why.
namespace=()
no_namespace="unshare is missing (util-linux)"
if command -v unshare >/dev/null; then
  for user_namespace in "--user --map-root-user" ""; do
    # shellcheck disable=SC2086  # the options are words
    if no_namespace=$(unshare $user_namespace --pid --fork --mount-proc --kill-child true 2>&1); then
      read -ra namespace <<<"unshare $user_namespace --pid --fork --mount-proc --kill-child"
      break
    fi
  done
fi
no_namespace=${no_namespace:-unshare failed}
