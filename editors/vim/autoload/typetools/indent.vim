" Helpers of the indent files of Vastor and Perlan: the brackets that hold
" a line and the end of the code before it, found by the syntax items so
" that strings, characters and comments count for nothing.
" Installed by: typetools

let s:cpo_save = &cpo
set cpo&vim

" Whether the syntax items at LNUM, COL include one whose name matches
" PATTERN (the whole stack: a javadoc comment holds HTML items).
function! typetools#indent#Within(lnum, col, pattern) abort
  for id in synstack(a:lnum, a:col)
    if synIDattr(id, 'name') =~? a:pattern
      return 1
    endif
  endfor
  return 0
endfunction

function! s:InText() abort
  return typetools#indent#Within(line('.'), col('.'), 'string\|comment\|character')
endfunction

" The byte column of the first non-blank of LNUM (1 for a blank line).
function! typetools#indent#FirstColumn(lnum) abort
  return max([match(getline(a:lnum), '\S') + 1, 1])
endfunction

" The position [lnum, col] of the innermost OPEN (a "{" or "(") that is
" still open at the start of line LNUM; [0, 0] when there is none.
function! typetools#indent#Open(lnum, open) abort
  let close = a:open ==# '{' ? '}' : ')'
  let save = getcurpos()
  call cursor(a:lnum, 1)
  let found = searchpairpos('\V' . a:open, '', '\V' . close, 'bnW', 's:InText()')
  call setpos('.', save)
  return found
endfunction

" The innermost bracket open at the start of LNUM: [lnum, col, char].
function! typetools#indent#Innermost(lnum) abort
  let brace = typetools#indent#Open(a:lnum, '{')
  let paren = typetools#indent#Open(a:lnum, '(')
  if paren[0] > brace[0] || (paren[0] == brace[0] && paren[1] > brace[1])
    return paren + ['(']
  endif
  return brace + ['{']
endfunction

" The indentation of the statement that line LNUM belongs to: that of the
" line where the parentheses open that LNUM starts in (a method header on
" two lines, say), else LNUM's own.
function! typetools#indent#Of(lnum) abort
  let lnum = a:lnum
  let open = typetools#indent#Innermost(lnum)
  while open[0] > 0 && open[2] ==# '('
    let lnum = open[0]
    let open = typetools#indent#Innermost(lnum)
  endwhile
  return indent(lnum)
endfunction

" Whether the brace at LNUM, COL opens a %{ ... %} code block.
function! typetools#indent#IsCodeBlock(lnum, col) abort
  let before = strpart(getline(a:lnum), 0, a:col - 1)
  let lnum = a:lnum
  while before =~# '^\s*$' && lnum > 1
    let lnum -= 1
    let before = getline(lnum)
  endwhile
  return before =~# '%\s*$'
endfunction

" The last character of code before line LNUM and after the position
" LIMIT ([lnum, col]), comments and blanks aside; '' when there is none.
function! s:CodeBefore(lnum, limit) abort
  let lnum = a:lnum - 1
  while lnum >= a:limit[0]
    let text = getline(lnum)
    let col = strlen(text)
    while col > (lnum == a:limit[0] ? a:limit[1] : 0)
      if text[col - 1] =~# '\S' && !typetools#indent#Within(lnum, col, 'comment')
        return [lnum, strpart(text, 0, col)]
      endif
      let col -= 1
    endwhile
    let lnum -= 1
  endwhile
  return [0, '']
endfunction

" Whether LNUM continues a statement of the block that opens at OPEN: the
" code before it ends with none of ; { } , : or >*/ and is no annotation.
function! typetools#indent#Continued(lnum, open) abort
  if getline(a:lnum) =~# '^\s*[{}]'
    return 0
  endif
  let [lnum, text] = s:CodeBefore(a:lnum, a:open)
  return lnum > 0 && text !~# '\%([;{},:]\|>\*/\)$' && getline(lnum) !~# '^\s*@'
endfunction

let &cpo = s:cpo_save
unlet s:cpo_save
