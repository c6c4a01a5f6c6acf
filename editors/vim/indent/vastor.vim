" Vim indent file
" Language:	Vastor type specification
" Installed by: typetools
"
" Vim's Java indenting does the method bodies; around it: the text of a
" %{ ... %} code block stays at the indentation of "%{", the types of the
" directive and the members of a class are one step in, and everything
" outside braces starts the line.

if exists("b:did_indent")
  finish
endif
runtime! indent/java.vim
let b:did_indent = 1

setlocal indentexpr=GetVastorIndent()
setlocal indentkeys+=0=%}
let b:undo_indent = "setl cin< cino< indk< inde<"

if exists("*GetVastorIndent")
  finish
endif

function! GetVastorIndent() abort
  let line = getline(v:lnum)
  if line =~# '^\s*\*' && typetools#indent#Within(v:lnum, typetools#indent#FirstColumn(v:lnum), 'comment')
    return GetJavaIndent()
  endif
  let [lnum, col, char] = typetools#indent#Innermost(v:lnum)
  if lnum == 0
    return 0
  elseif char ==# '('
    return GetJavaIndent()
  elseif line =~# '^\s*%\=}'
    return typetools#indent#Of(lnum)
  elseif typetools#indent#IsCodeBlock(lnum, col)
    return typetools#indent#Of(lnum) + (typetools#indent#Continued(v:lnum, [lnum, col]) ? shiftwidth() : 0)
  endif
  let region = get(map(synstack(lnum, col), 'synIDattr(v:val, "name")'), -2, '')
  if region ==# 'vastorTypesBlock' || region ==# 'vastorClassBody'
    return typetools#indent#Of(lnum) + shiftwidth()
  endif
  return GetJavaIndent()
endfunction
