#!/usr/bin/env bash
# Runs the checks of one editor on the installed editor files.
#   run.sh vim|emacs|textmate <install prefix> <scratch folder> <version>
# Vastor and Perlan must be on PATH.
set -euo pipefail
editor=$1 prefix=$2 scratch=$3 version=$4
export SAMPLES SCRATCH
SAMPLES=$(cd "$(dirname "$0")" && pwd)
SCRATCH=$scratch/$editor
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
cd "$SCRATCH"
case $editor in
  vim)
    status=0
    vim -Es -N -u NONE -i NONE --cmd "set rtp^=$prefix/share/vim/vimfiles" \
        -S "$SAMPLES/vim_test.vim" >"$SCRATCH/vim.log" 2>&1 </dev/null || status=$?
    if [ -s "$SCRATCH/vim.failures" ] || [ $status != 0 ]; then
      sed 's/^/FAIL /' "$SCRATCH/vim.failures" 2>/dev/null || cat "$SCRATCH/vim.log"
      exit 1
    fi ;;
  emacs)
    # The installed folder is found as a package, as at an ordinary start-up.
    emacs --batch -Q \
          --eval "(setq package-directory-list '(\"$prefix/share/emacs/site-lisp/elpa\"))" \
          -f package-activate-all -l "$SAMPLES/emacs_test.el" </dev/null ;;
  textmate)
    textmate=$prefix/share/typetools/textmate
    modules=$SAMPLES/node_modules
    "$modules/.bin/vscode-tmgrammar-test" \
         -g "$modules/tm-grammars/grammars/java.json" \
         -g "$textmate/syntaxes/vastor.tmLanguage.json" \
         -g "$textmate/syntaxes/perlan.tmLanguage.json" \
         "$SAMPLES/sample.spec" "$SAMPLES/sample.yt" "$SAMPLES/long-header.spec"
    node "$SAMPLES/vscode_test.js" "$textmate" "$version" "$SCRATCH" ;;
  *) echo "unknown editor $editor" >&2; exit 2 ;;
esac
echo "$editor: editor files checked"
