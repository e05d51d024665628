#!/bin/sh
# Runs a program with at most KIB kibibytes of address space, as on a machine short of memory.
# usage: with-memory-limit.sh KIB PROGRAM [ARGUMENTS...]
ulimit -v "$1" || exit 125
shift
exec "$@"
