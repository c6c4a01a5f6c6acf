# Shared by the archive checks.
fail() { echo "FAIL: $*" >&2; exit 1; }

# unpack <archive> <folder>: unpacks into a fresh <folder> and prints the
# archive's one top-level folder, which must be named after the archive.
unpack() {
  local archive=$1 folder=$2 name
  rm -rf "$folder" && mkdir -p "$folder"
  (cd "$folder" && cmake -E tar xf "$archive") || fail "cannot unpack $archive"
  name=$(basename "$archive")
  name=${name%.zip}
  name=${name%.tar.gz}
  [ "$(ls "$folder")" = "$name" ] || fail "$archive does not hold the single folder $name: $(ls "$folder")"
  echo "$folder/$name"
}
