# Shared by the scripts: the repository root, the generator and the job count.
PANEKIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PANEKIT_JOBS="${PANEKIT_JOBS:-$(nproc)}"
if command -v ninja >/dev/null 2>&1; then
  PANEKIT_GENERATOR=(-G Ninja)
else
  PANEKIT_GENERATOR=()
fi

# configure <build dir> <cmake options...>: configures once; later calls only refresh the cache.
panekit_configure() {
  local dir="$1"
  shift
  if [ -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$PANEKIT_ROOT" -B "$dir" "$@" >/dev/null
  else
    cmake -S "$PANEKIT_ROOT" -B "$dir" "${PANEKIT_GENERATOR[@]}" "$@"
  fi
}
