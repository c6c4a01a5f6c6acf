" Vim syntax file
" Language:	Perlan grammar (a yacc grammar whose actions hold typechecking blocks)
" Installed by: typetools

if exists("b:current_syntax")
  finish
endif

let s:cpo_save = &cpo
set cpo&vim

runtime! syntax/yacc.vim
unlet! b:current_syntax

" A typechecking block /*< ... >*/ inside an action is Java code, not a comment.
syn include @perlanJava syntax/java.vim
unlet! b:current_syntax

syn region perlanCheck matchgroup=perlanCheckDelimiter start="/\*<" end=">\*/" contained containedin=yaccAction,cBlock,cParen,cBracket contains=@perlanJava,perlanCheckText,yaccVar
" Comments are not recognised inside a block: "//" and "/*" are plain text.
syn match perlanCheckText "/[/*]" contained

syn sync fromstart

hi def link perlanCheckDelimiter	PreProc

let b:current_syntax = "perlan"

let &cpo = s:cpo_save
unlet s:cpo_save
