" Vim compiler file
" Compiler:	Perlan, the grammar preprocessor (:make runs it on the current file)
" Installed by: typetools

if exists("current_compiler")
  finish
endif
let current_compiler = "perlan"

if exists(":CompilerSet") != 2
  command -nargs=* CompilerSet setlocal <args>
endif

let s:cpo_save = &cpo
set cpo&vim

" :make runs Perlan <this file>, which writes x.y for x.yt; :make out.y
" names the output.
CompilerSet makeprg=Perlan\ %:S\ $*
" Its messages carry the line only; typetools#TrackMake gives the entries
" their file. The last forms are those of build steps that name the file, also behind
" Maven's [ERROR] (with its [line,column]) and Ant's [javac] prefixes.
CompilerSet errorformat=
      \%+EScanner\ error(\ line\ %l\ ):%m,
      \%+ESyntax\ error(\ line\ %l\ ):%m,
      \[ERROR]\ %f:[%l\\,%c]\ %trror:\ %m,
      \[ERROR]\ %f:%l:\ %trror:\ %m,
      \%\\s%#[%\\S%#]\ %f:%l:\ %trror:\ %m,
      \%f:%l:\ %trror:\ %m,
      \%f:\ %trror:\ %m,
      \%f:\ %tarning:\ %m

call typetools#TrackMake()

let &cpo = s:cpo_save
unlet s:cpo_save
