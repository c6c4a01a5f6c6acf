" Vim syntax file
" Language:	Perlan grammar (a yacc grammar whose actions hold typechecking blocks)
" Installed by: typetools
"
" With foldmethod=syntax the preamble, rules, actions and blocks fold.

if exists("b:current_syntax")
  finish
endif

let s:cpo_save = &cpo
set cpo&vim

runtime! syntax/yacc.vim
unlet! b:current_syntax

" A typechecking block /*< ... >*/ inside an action is Java code, not a
" comment. It ends at the first >*/ outside a string, even within a comment
" of its own (keepend), as Perlan reads it.
syn include @perlanJava syntax/java.vim
unlet! b:current_syntax

syn region perlanCheck matchgroup=perlanCheckDelimiter start="/\*<" skip=+"\%(\\.\|[^"\\]\)*"\|'\%(\\.\|[^'\\]\)*'+ end=">\*/" keepend contained containedin=yaccAction contains=@perlanJava,yaccVar fold

" Braces nested in an action: blocks may stand at any depth there, while
" the preamble and the trailer keep /*< as a comment.
syn region perlanActionBlock matchgroup=perlanActionBrace start="{" end="}" contained containedin=yaccAction contains=@yaccCode,yaccVar,perlanCheck,perlanActionBlock fold

" $$ and $n within the Java of a block, in parentheses too.
syn match yaccVar '\$\d\+\|\$\$\|\$<\I\i*>\$\|\$<\I\i*>\d\+' contained containedin=javaParenT,javaParenT1,javaParenT2

" A rule, from its name (whose ':' may follow on a later line, after comments
" of either kind) to its ';'. The name is an item of its own for the outline.
syn region yaccNonterminal matchgroup=perlanRuleName start="^\s*\a\w*\ze\%(\_s*\%(/\*\_.\{-}\*/\|//.*\n\)\)*\_s*:" matchgroup=yaccDelim end=";" matchgroup=yaccSectionSep end='^%%$'me=e-2,re=e-2 contains=yaccAction,yaccDelim,yaccString,yaccComment contained fold

" A grammar with no declarations: the file starts with its first %%.
syn region yaccRules matchgroup=yaccSectionSep start='\%^%%\ze\(\s*/[*/].*\)\=$' end='^%%\ze\(\s*/[*/].*\)\=$'me=e-2,re=e-2 contains=@yaccRulesCluster nextgroup=yaccEndCode skipwhite skipempty fold

syn sync fromstart

hi def link perlanCheckDelimiter	PreProc
hi def link perlanRuleName	Function

let b:current_syntax = "perlan"

let &cpo = s:cpo_save
unlet s:cpo_save
