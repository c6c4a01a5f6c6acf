" Vim filetype plugin
" Language:	Vastor type specification
" Installed by: typetools

if exists("b:did_ftplugin")
  finish
endif
let b:did_ftplugin = 1

let s:cpo_save = &cpo
set cpo&vim

setlocal commentstring=//\ %s
setlocal comments=sO:*\ -,mO:*\ \ ,exO:*/,s1:/*,mb:*,ex:*/,://
setlocal formatoptions-=t formatoptions+=croql

" :make runs Vastor on this file.
compiler vastor

" % jumps between the ends of code blocks too (matchit).
let b:match_words = '%\s*{:%}'
let b:match_skip = 's:comment\|string\|character'

" Folds by syntax, open when the file is opened unless 'foldlevelstart'
" says otherwise; let g:typetools_folding = 0 keeps the user's 'foldmethod'.
if get(g:, 'typetools_folding', 1)
  setlocal foldmethod=syntax
  if &foldlevelstart < 0
    setlocal foldlevel=99
  endif
endif

" Ctrl-] and :tag find the types, classes and methods of this file; :TypetoolsOutline
" lists them in the location list.
setlocal tagfunc=typetools#TagFunc
command! -buffer -bar TypetoolsOutline call typetools#ShowOutline()

let b:undo_ftplugin = "setl cms< com< fo< fdm< fdl< tfu< makeprg< errorformat<"
      \ . " | unlet! b:match_words b:match_skip b:current_compiler"
      \ . " | silent! delcommand -buffer TypetoolsOutline"

let &cpo = s:cpo_save
unlet s:cpo_save
