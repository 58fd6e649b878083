# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# What scripts/windows-qt and scripts/web-qt share: Qt from Debian's own
# qt6-base source, built once into a prefix in the cache folder and marked
# complete there. Each script keeps its own options, its cache key and where
# it builds (the machine, or a Debian root). Sourced:
#   qt_source RUN WORK VERSION     the unpacked source folder, fetched once into
#                                  WORK with apt-get source; RUN runs a command
#                                  where WORK is (the machine: "", a root: its runner)
#   qt_build_with_progress LOG COMMAND...
#                                  runs a build, with Ninja's progress once a minute
#   qt_licences SOURCE PREFIX WHAT...
#                                  Qt's licences, the bundled code's, and WHAT,
#                                  the lines that say how it was built
#   qt_complete PREFIX VERSION     marks the prefix as complete

BROVACI_CACHE=${BROVACI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brovaci}

# A source fetched by an earlier, interrupted run is used as it is. RUN gets
# the command as one string for bash -c, and the folder as RUN sees it;
# $root_of_work is where the caller sees that folder (empty on the machine).
qt_source() { # RUN WORK VERSION
    local run=$1 work=$2 version=$3 seen=${root_of_work:-}$2 found
    found=$(cd "$seen" && ls -d qt6-base-*/ 2>/dev/null | head -n 1)
    if [ -z "$found" ]; then
        $run bash -c "cd '$work' && apt-get source --only-source qt6-base=$version" >"$seen/source.log" 2>&1 ||
            { tail -n 20 "$seen/source.log" >&2; echo "cannot get Qt's source" >&2; return 1; }
        found=$(cd "$seen" && ls -d qt6-base-*/ 2>/dev/null | head -n 1)
    fi
    [ -n "$found" ] || { echo "the Qt source did not unpack" >&2; return 1; }
    echo "$work/${found%/}"
}

# Ninja's progress, one line a minute, so that a long build shows it is alive.
qt_build_with_progress() { # LOG COMMAND...
    local log=$1 started=$SECONDS builder
    shift
    "$@" >"$log" 2>&1 &
    builder=$!
    while kill -0 $builder 2>/dev/null; do
        sleep 60 &
        wait $! || true
        kill -0 $builder 2>/dev/null &&
            echo "   $(grep -o '^\[[0-9]*/[0-9]*\]' "$log" | tail -n 1) after $(((SECONDS - started) / 60)) min"
    done
    wait $builder || { tail -n 40 "$log" >&2; return 1; }
}

# Qt's licence texts, and those of the third-party code it bundles, go with
# every copy of Brovaci built on it; so do the lines that say how it was
# built.
qt_licences() { # SOURCE PREFIX WHAT...
    local src=$1 prefix=$2
    shift 2
    mkdir -p "$prefix/licenses/3rdparty"
    cp -r "$src/LICENSES" "$prefix/licenses/Qt"
    cp "$src/debian/copyright" "$prefix/licenses/qt6-base-copyright.txt"
    (cd "$src/src/3rdparty" && find . -maxdepth 2 -type f \( -name 'qt_attribution.json' -o -iname '*licen[cs]e*' -o -name 'COPYING*' \) \
        -exec cp --parents {} "$prefix/licenses/3rdparty/" \;)
    printf '%s\n' "$@" >"$prefix/licenses/qt-build.txt"
}

# Later runs take a prefix with this mark as it is.
qt_complete() { # PREFIX VERSION
    printf '%s\n' "$2" >"$1/.complete"
}
