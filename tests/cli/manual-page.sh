#!/usr/bin/env bash
# The manual page keeps step with --help: every command and every option that --help names
# is described in docs/kestrelon-cli.1, and the page is valid troff for man (when man is here).
# Usage: manual-page.sh KESTRELON_CLI PAGE
set -euo pipefail
cli=$1
page=$2
help=$("$cli" --help)
# The page's text with troff's escaped hyphens made plain.
text=$(sed 's/\\-/-/g' "$page")
missing=0
for command in $(sed -n 's/^  kestrelon-cli \([a-z]*\).*/\1/p' <<<"$help"); do
    if ! grep -q "^\.B $command\b" <<<"$text"; then
        echo "the manual page does not describe the command $command" >&2
        missing=1
    fi
done
for option in $(grep -o -- '-[-a-z]*' <<<"$help" | grep -E '^(-o|-h|--[a-z][-a-z]*)$' | sort -u); do
    if ! grep -qE -- "(^|[^-a-z])$option([^-a-z]|$)" <<<"$text"; then
        echo "the manual page does not mention $option" >&2
        missing=1
    fi
    # Each option has its own entry in OPTIONS, but for --help, which has the DESCRIPTION.
    if [[ $option != --help && $option != -h ]] && ! grep -qE -- "^\.(B|BI) $option( |$)" <<<"$text"; then
        echo "the manual page has no entry for $option under OPTIONS" >&2
        missing=1
    fi
done
if command -v man >/dev/null 2>&1; then
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    if [[ -n $warnings ]]; then
        echo "man warns about the page: $warnings" >&2
        missing=1
    fi
fi
exit $missing
