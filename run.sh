#!/bin/sh
# Installs what is missing, builds Corvane and runs it.
set -eu
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
build/bin/corvane-settings init
build/bin/corvane-settings dump
