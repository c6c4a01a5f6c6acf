" Vim indent file
" Language:	Perlan grammar
" Installed by: typetools
"
" A rule's name starts the line, a ':' on a line of its own is one step in,
" '|' and ';' line up with the rule's ':' and the rest of a rule (its
" actions among it) is one step further in. In an action whose brace is
" followed by text, the action's lines line up with that text; else they
" are one step in. Vim's Java indenting does the braces and parentheses
" within actions and the code after the second %%; the text of %{ ... %}
" stays at the indentation of "%{". A typechecking block on several lines
" is a step in from its "/*<".

if exists("b:did_indent")
  finish
endif
runtime! indent/java.vim
let b:did_indent = 1

setlocal indentexpr=GetPerlanIndent()
setlocal indentkeys+=0=%},0=%%,0=:,0=\|,0=;
let b:undo_indent = "setl cin< cino< indk< inde<"

if exists("*GetPerlanIndent")
  finish
endif

" The section of LNUM: 0 declarations, 1 rules, 2 the trailer.
function! s:Section(lnum) abort
  let save = getcurpos()
  call cursor(a:lnum, 1)
  let separators = 0
  while separators < 2 && search('^%%', 'bW') > 0
    if synIDattr(synID(line('.'), 1, 0), 'name') ==# 'yaccSectionSep'
      let separators += 1
    endif
  endwhile
  call setpos('.', save)
  return separators
endfunction

" The column of the ':' of the rule that LNUM continues; -1 between rules.
function! s:RuleColon(lnum) abort
  let save = getcurpos()
  call cursor(a:lnum, 1)
  let found = -1
  while search('[:;]\|^%%', 'bW') > 0
    let names = map(synstack(line('.'), col('.')), 'synIDattr(v:val, "name")')
    if empty(filter(copy(names), 'v:val =~? "comment\\|string\\|yaccAction"'))
      let found = getline('.')[col('.') - 1] ==# ':' ? virtcol('.') - 1 : -1
      break
    endif
  endwhile
  call setpos('.', save)
  return found
endfunction

function! s:RuleIndent(line) abort
  if a:line =~# '^\s*:'
    return shiftwidth()
  endif
  let colon = s:RuleColon(v:lnum)
  if a:line =~# '^\s*[|;]'
    return colon >= 0 ? colon : shiftwidth()
  endif
  return colon >= 0 ? colon + shiftwidth() : 0
endfunction

function! s:ActionIndent(line, lnum, col) abort
  let text = getline(a:lnum)
  let hang = match(text, '\S', a:col)
  if hang >= 0 && strpart(text, hang) =~# '^\%(//\|/\*\%(<\)\@!\)'
    let hang = -1
  endif
  if a:line =~# '^\s*}'
    return hang >= 0 ? virtcol([a:lnum, a:col]) - 1 : indent(a:lnum)
  endif
  let base = hang >= 0 ? virtcol([a:lnum, hang + 1]) - 1 : indent(a:lnum) + shiftwidth()
  return base + (typetools#indent#Continued(v:lnum, [a:lnum, a:col]) ? shiftwidth() : 0)
endfunction

" The line of the /*< of the typechecking block that LNUM stands in, when
" that block began on an earlier line; 0 otherwise.
function! s:BlockStart(lnum) abort
  let first = typetools#indent#FirstColumn(a:lnum)
  if !typetools#indent#Within(a:lnum, first, '^perlanCheck$') || getline(a:lnum)[first - 1 :] =~# '^/\*<'
    return 0
  endif
  let save = getcurpos()
  call cursor(a:lnum, 1)
  let found = 0
  while search('/\*<', 'bW') > 0
    if synIDattr(synID(line('.'), col('.'), 0), 'name') ==# 'perlanCheckDelimiter'
      let found = [line('.'), col('.')]
      break
    endif
  endwhile
  call setpos('.', save)
  return found
endfunction

function! GetPerlanIndent() abort
  let line = getline(v:lnum)
  if line =~# '^%%'
    return 0
  elseif line =~# '^\s*\*' && typetools#indent#Within(v:lnum, typetools#indent#FirstColumn(v:lnum), 'comment')
    return GetJavaIndent()
  endif
  let section = s:Section(v:lnum)
  let [lnum, col, char] = typetools#indent#Innermost(v:lnum)
  let block = section == 1 ? s:BlockStart(v:lnum) : 0
  if !empty(block) && (block[0] > lnum || (block[0] == lnum && block[1] > col))
    " Lines of a block go one step in from its /*<, its >*/ back to it.
    return indent(block[0]) + (line =~# '^\s*>\*/' ? 0 : shiftwidth())
  elseif lnum == 0
    return section == 1 ? s:RuleIndent(line) : 0
  elseif char ==# '{' && line =~# '^\s*%}'
    return indent(lnum)
  elseif char ==# '{' && typetools#indent#IsCodeBlock(lnum, col)
    return indent(lnum) + (typetools#indent#Continued(v:lnum, [lnum, col]) ? shiftwidth() : 0)
  elseif char ==# '{' && section == 1 && synIDattr(synID(lnum, col, 0), 'name') ==# 'yaccCurly'
    return s:ActionIndent(line, lnum, col)
  endif
  return GetJavaIndent()
endfunction
