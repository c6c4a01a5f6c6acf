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

" A new buffer is looked at again when it is written, when Insert mode is
" left and when it is changed, until it holds a type specification.
function! typetools#WatchNewFile() abort
  augroup typetools_new_file
    autocmd! * <buffer>
    autocmd BufWritePost,InsertLeave,TextChanged <buffer> call typetools#CheckNewFile()
  augroup END
endfunction

function! typetools#CheckNewFile() abort
  if &filetype ==# 'vastor'
    autocmd! typetools_new_file * <buffer>
  elseif typetools#IsSpecification()
    autocmd! typetools_new_file * <buffer>
    set filetype=vastor
  endif
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
    " Replacing the items resets the current entry: make it the first
    " valid one again, where :make jumps (notes may come before it).
    let first = index(map(copy(items), 'v:val.valid'), 1) + 1
    let what = {'items': items, 'idx': max([first, 1])}
    if a:location
      call setloclist(0, [], 'r', what)
    else
      call setqflist([], 'r', what)
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
  " A word joins quoted parts and backslash escapes (bad\ types.spec).
  let part_pattern = '^''[^'']*''\|^"\%(\\.\|[^"\\]\)*"\|^\\.\|^[^ \t''"\\]\+'
  while 1
    let rest = substitute(rest, '^\s\+', '', '')
    let word = ''
    let part = matchstr(rest, part_pattern)
    while !empty(part)
      let rest = strpart(rest, strlen(part))
      if part[0] ==# "'"
        let word .= part[1:-2]
      elseif part[0] ==# '"'
        let word .= substitute(part[1:-2], '\\\([\\"$`]\)', '\1', 'g')
      elseif part[0] ==# '\'
        let word .= part[1:]
      else
        let word .= part
      endif
      let part = matchstr(rest, part_pattern)
    endwhile
    if empty(word) || word =~# '^\%([|;&<>]\|[12]>\)'
      break
    endif
    call add(arguments, word)
  endwhile
  if empty(arguments)
    return ''
  endif
  let input = found[1] ==# 'Vastor' ? arguments[-1] : arguments[0]
  return input =~# '^-' ? '' : fnamemodify(input, ':p')
endfunction

" The outline of the buffer, from its syntax items: for a specification the
" types of the directive, the classes and their methods (as class.method);
" for a grammar its rules. A list of {'kind', 'name', 'lnum', 'col'}.
let s:outline_items = {
      \ 'vastorTypeName': 'type', 'vastorClassName': 'class',
      \ 'vastorMethodName': 'method', 'perlanRuleName': 'rule'}

function! typetools#Outline() abort
  let entries = []
  let class = ''
  for lnum in range(1, line('$'))
    let text = getline(lnum)
    let start = match(text, '\a')
    while start >= 0
      let name = matchstr(text, '^\a[[:alnum:]_.]*', start)
      let kind = get(s:outline_items, synIDattr(synID(lnum, start + 1, 0), 'name'), '')
      if !empty(kind) && (start == 0 || text[start - 1] !~# '[[:alnum:]_.]')
        if kind ==# 'class'
          let class = name
        endif
        call add(entries, {'kind': kind, 'lnum': lnum, 'col': start + 1,
              \ 'name': kind ==# 'method' ? class . '.' . name : name})
      endif
      let start = match(text, '\a', start + max([strlen(name), 1]))
    endwhile
  endfor
  return entries
endfunction

" :TypetoolsOutline: the outline in the location list.
function! typetools#ShowOutline() abort
  let buffer = bufnr('%')
  call setloclist(0, map(typetools#Outline(), {_, entry -> {'bufnr': buffer,
        \ 'lnum': entry.lnum, 'col': entry.col, 'text': entry.kind . ' ' . entry.name}}))
  lopen
endfunction

" 'tagfunc': the entries of the outline whose name (a method's without its
" class too) matches the tag; nothing found leaves the search to tags files.
function! typetools#TagFunc(pattern, flags, info) abort
  let regexp = a:flags =~# 'r' ? a:pattern : '^' . escape(a:pattern, '\.*$^~[]') . '$'
  if a:flags =~# 'i'
    let regexp = '^' . escape(a:pattern, '\.*$^~[]')
  endif
  let file = expand('%:p')
  let tags = []
  for entry in typetools#Outline()
    let short = matchstr(entry.name, '[^.]*$')
    if entry.name =~# regexp || (entry.kind ==# 'method' && short =~# regexp)
      call add(tags, {'name': entry.kind ==# 'method' ? short : entry.name,
            \ 'filename': file, 'cmd': string(entry.lnum), 'kind': entry.kind[0]})
    endif
  endfor
  return empty(tags) ? v:null : tags
endfunction

let &cpo = s:cpo_save
unlet s:cpo_save
