#!/bin/sh
# Installs the Debian 12 packages Corvane needs to build, run and test, when any is missing.
set -eu

packages="cmake ninja-build g++ pkg-config libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
qt6-base-dev fonts-liberation fonts-dejavu-core"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

as_root=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "install-deps: run as root to install:$missing" >&2; exit 1; }
    as_root="sudo"
fi
echo "install-deps: installing$missing"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
