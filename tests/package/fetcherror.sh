# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that make Debian roots: an archive that cannot be
# reached is a failure with apt's own message, never a skip.
#   fetch_error LOG   prints the first fetch error of LOG; fails if there is none
fetch_error() {
    grep -m1 -E 'Failed to fetch|Could not resolve|Temporary failure resolving|Unable to connect|Connection failed|Release file .* is not valid|does not have a Release file' "$1"
}

# Ends the script after a Debian root could not be made or used: with the
# fetch error where the archive could not be reached, otherwise with the end
# of the log and what did not pass.
#   root_failed LOG WHAT
root_failed() {
    local unreachable
    if unreachable=$(fetch_error "$1"); then
        echo "FAIL: the Debian archive cannot be reached: $unreachable" >&2
    else
        tail -n 30 "$1" >&2
        echo "FAIL: $2" >&2
    fi
    exit 1
}
