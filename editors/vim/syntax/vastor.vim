" Vim syntax file
" Language:	Vastor type specification (Types directive, type classes, Java code)
" Installed by: typetools

if exists("b:current_syntax")
  finish
endif

let s:cpo_save = &cpo
set cpo&vim

" The preamble, the code blocks of a class and the method bodies are Java.
" With foldmethod=syntax the preamble, the directive, classes, code blocks,
" methods and long comments fold.
syn include @vastorJava syntax/java.vim
unlet! b:current_syntax

syn case match

syn region vastorComment start="/\*" end="\*/" contains=@Spell fold
syn match vastorComment "//.*$" contains=@Spell
syn cluster vastorComments contains=vastorComment

" Preamble: '%' and '{' may stand apart before the directive.
syn region vastorPreamble matchgroup=vastorCodeDelimiter start="%\_s*{" end="%}" contains=@vastorJava fold

" Types = { int < float < double  bool }
syn keyword vastorTypesKeyword Types nextgroup=vastorTypesEquals skipwhite skipnl skipempty
syn match vastorTypesEquals "=" contained nextgroup=vastorTypesBlock skipwhite skipnl skipempty
syn region vastorTypesBlock matchgroup=vastorDelimiter start="{" end="}" contained contains=vastorTypeName,vastorPromotes,@vastorComments fold
syn match vastorTypeName "\a[[:alnum:]_.]*" contained
syn match vastorPromotes "<" contained

" class name (Type, String +) { members }
syn keyword vastorClassKeyword class nextgroup=vastorClassName skipwhite skipnl skipempty
syn match vastorClassName "\a[[:alnum:]_.]*" contained nextgroup=vastorClassArguments,vastorClassBody skipwhite skipnl skipempty
syn region vastorClassArguments matchgroup=vastorDelimiter start="(" end=")" contained contains=vastorArgumentKind,vastorRepeated,@vastorComments nextgroup=vastorClassBody skipwhite skipnl skipempty
syn keyword vastorArgumentKind Type String contained
syn match vastorRepeated "+" contained
syn region vastorClassBody matchgroup=vastorDelimiter start="{" end="}" contained contains=vastorCodeBlock,vastorResultType,@vastorComments fold
syn region vastorCodeBlock matchgroup=vastorCodeDelimiter start="%{" end="%}" contained contains=@vastorJava fold

" Method: result type, name, parameters, then a Java body.
syn match vastorResultType "\a[[:alnum:]_.]*" contained nextgroup=vastorMethodName skipwhite skipnl skipempty
syn match vastorMethodName "\a[[:alnum:]_.]*" contained nextgroup=vastorParameters skipwhite skipnl skipempty
syn region vastorParameters matchgroup=vastorDelimiter start="(" end=")" contained contains=vastorParameterType,@vastorComments nextgroup=vastorMethodBody skipwhite skipnl skipempty
syn match vastorParameterType "\a[[:alnum:]_.]*\ze\_s\+\a" contained
syn region vastorMethodBody matchgroup=vastorDelimiter start="{" end="}" contained contains=@vastorJava fold

syn sync fromstart

hi def link vastorComment	Comment
hi def link vastorCodeDelimiter	PreProc
hi def link vastorTypesKeyword	Keyword
hi def link vastorTypesEquals	Operator
hi def link vastorDelimiter	Delimiter
hi def link vastorTypeName	Type
hi def link vastorPromotes	Operator
hi def link vastorClassKeyword	Structure
hi def link vastorClassName	Type
hi def link vastorArgumentKind	Type
hi def link vastorRepeated	Operator
hi def link vastorResultType	Type
hi def link vastorMethodName	Function
hi def link vastorParameterType	Type

let b:current_syntax = "vastor"

let &cpo = s:cpo_save
unlet s:cpo_save
