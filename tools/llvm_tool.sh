# Sourced by format.sh and tidy.sh. newest_llvm_tool NAME prints which of NAME and NAME-N
# (clang-format, clang-format-14, ...) on the PATH is the newest, by the major version that its
# --version names, or says that none is installed and fails.
newest_llvm_tool() {
    local name="$1" best="" best_major=-1 tool major
    for tool in $(compgen -c | grep -Ex "$name(-[0-9]+)?" | sort -u); do
        major=$("$tool" --version 2>/dev/null | grep -Eo 'version [0-9]+' | head -1) || continue
        major=${major#version }
        if ((major > best_major)); then
            best=$tool
            best_major=$major
        fi
    done
    if [ -z "$best" ]; then
        echo "$name is not installed: neither $name nor $name-N is on the PATH" \
            "(tools/setup.sh installs it)" >&2
        return 1
    fi
    echo "$best"
}
