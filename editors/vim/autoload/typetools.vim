" Helpers for the Vastor and Perlan editor files: detection of type
" specifications by their content, and the file of quickfix entries whose
" messages name none.
" Installed by: typetools

let s:cpo_save = &cpo
set cpo&vim

" Whether the buffer holds a type specification: the first text that is
" neither a comment nor the %{ %} preamble is the directive "Types = {".
" Only the first 500 lines are looked at.
function! typetools#IsSpecification() abort
  let text = join(getline(1, 500), "\n")
  let preamble_seen = 0
  while 1
    let text = substitute(text, '^\_s\+', '', '')
    if text =~# '^//'
      let text = matchstr(text, '\n\zs\_.*')
    elseif text =~# '^/\*'
      let end = stridx(text, '*/', 2)
      if end < 0
        return 0
      endif
      let text = strpart(text, end + 2)
    elseif !preamble_seen && text =~# '^%\_s*{'
      let end = stridx(text, '%}')
      if end < 0
        return 0
      endif
      let text = strpart(text, end + 2)
      let preamble_seen = 1
    else
      return text =~# '^Types\_s*=\_s*{'
    endif
  endwhile
endfunction

" The messages of Vastor and Perlan carry a line but no file name. When
" :make or :lmake runs with one of their compiler files, the entries without
" a file are given the file of the run: the input named on the last command
" line that the output echoes (as make does), else the buffer's file.
function! typetools#TrackMake() abort
  augroup typetools_make
    autocmd!
    autocmd QuickFixCmdPre make,lmake call typetools#BeforeMake()
    autocmd QuickFixCmdPost make call typetools#AfterMake(0)
    autocmd QuickFixCmdPost lmake call typetools#AfterMake(1)
  augroup END
endfunction

let s:run = {}

function! typetools#BeforeMake() abort
  let compiler = get(b:, 'current_compiler', get(g:, 'current_compiler', ''))
  let s:run = index(['vastor', 'perlan'], compiler) >= 0 ? {'file': expand('%:p')} : {}
endfunction

function! typetools#AfterMake(location) abort
  if empty(s:run)
    return
  endif
  let file = s:run.file
  let s:run = {}
  let items = a:location ? getloclist(0) : getqflist()
  let changed = 0
  for item in items
    if !item.valid
      let ran = typetools#InputOf(item.text)
      if !empty(ran)
        let file = ran
      endif
    elseif item.bufnr == 0 && item.lnum > 0 && !empty(file)
      let item.bufnr = bufadd(file)
      call setbufvar(item.bufnr, '&buflisted', 1)
      let changed = 1
    endif
  endfor
  if changed
    if a:location
      call setloclist(0, [], 'r', {'items': items})
    else
      call setqflist([], 'r', {'items': items})
    endif
  endif
endfunction

" The input file of a command line that runs Vastor (its last argument) or
" Perlan (its first), as a full path; empty for any other text.
function! typetools#InputOf(text) abort
  let found = matchlist(a:text, '\v%(^|[ \t/\\])(Vastor|Perlan)%(\.exe)?\s+(.*)$')
  if empty(found) || found[2] =~# '^\%(Configuration Error\|Switch Warning\)'
    return ''
  endif
  let arguments = []
  let rest = found[2]
  let word_pattern = '^\s*\zs\%(''[^'']*''\|"[^"]*"\|[^ \t''"]\+\)\+'
  while 1
    let word = matchstr(rest, word_pattern)
    if empty(word) || word =~# '^\%([|;&<>]\|[12]>\)'
      break
    endif
    call add(arguments, substitute(word, '[''"]', '', 'g'))
    let rest = strpart(rest, matchend(rest, word_pattern))
  endwhile
  if empty(arguments)
    return ''
  endif
  let input = found[1] ==# 'Vastor' ? arguments[-1] : arguments[0]
  return input =~# '^-' ? '' : fnamemodify(input, ':p')
endfunction

let &cpo = s:cpo_save
unlet s:cpo_save
