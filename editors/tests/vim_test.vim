" Checks the installed Vim files headless:
"   vim -Es -N -u NONE -i NONE --cmd 'set rtp^=<vimfiles>' -S vim_test.vim
" with $SAMPLES (this folder), $SCRATCH (a writable folder) and Vastor and
" Perlan on $PATH. Failures are written to $SCRATCH/vim.failures; Vim exits
" non-zero when there is any.

filetype on
syntax on
set nomore shortmess+=F

let s:failures = []

function! s:Expect(what, got, expected) abort
  if a:got !=# a:expected
    call add(s:failures, printf('%s: got %s, expected %s', a:what, string(a:got), string(a:expected)))
  endif
endfunction

" The TextMate scopes that the samples assert, and the Vim syntax items that
" must be found at the same places.
let s:items = {
      \ 'keyword.other.import.java': 'javaExternal',
      \ 'comment.block.vastor': 'vastorComment',
      \ 'keyword.other.types.vastor': 'vastorTypesKeyword',
      \ 'entity.name.type.vastor': 'vastorTypeName',
      \ 'storage.type.class.vastor': 'vastorClassKeyword',
      \ 'entity.name.type.class.vastor': 'vastorClassName',
      \ 'support.type.argument.vastor': 'vastorArgumentKind',
      \ 'storage.type.primitive.java': 'javaType',
      \ 'entity.name.type.result.vastor': 'vastorResultType',
      \ 'entity.name.function.vastor': 'vastorMethodName',
      \ 'entity.name.type.parameter.vastor': 'vastorParameterType',
      \ 'keyword.control.java': 'javaConditional',
      \ 'string.quoted.double.java': 'javaString',
      \ 'keyword.other.directive.perlan': 'yaccKey',
      \ 'entity.name.function.nonterminal.perlan': 'yaccNonterminal',
      \ 'punctuation.section.embedded.begin.perlan': 'perlanCheckDelimiter',
      \ 'string.quoted.single.perlan': 'yaccString',
      \ 'comment.block.java': '\%(c\|java\)Comment\%(Start\)\=',
      \ 'comment.line.double-slash.java': 'javaLineComment',
      \ 'variable.language.perlan': 'yaccVar',
      \ 'punctuation.section.embedded.end.perlan': 'perlanCheckDelimiter',
      \ }

" Each assertion line "// ^^^ scope" or "// <-- scope" names the columns of
" the closest line above that is not an assertion.
function! s:CheckSample(file, filetype) abort
  execute 'edit ' . fnameescape($SAMPLES . '/' . a:file)
  call s:Expect(a:file . ' filetype', &filetype, a:filetype)
  let target = 0
  for lnum in range(1, line('$'))
    let found = matchlist(getline(lnum), '^//\s*\(\^\+\|<-\+\)\s\+\(\S\+\)')
    if empty(found)
      let target = lnum
      continue
    endif
    let first = found[1][0] ==# '<' ? 1 : stridx(getline(lnum), '^') + 1
    let last = found[1][0] ==# '<' ? 1 : first + strlen(found[1]) - 1
    for col in [first, last]
      let got = synIDattr(synID(target, col, 1), 'name')
      let expected = get(s:items, found[2], '?')
      call s:Expect(printf('%s:%d:%d %s', a:file, target, col, found[2]), got =~# '^\%(' . expected . '\)$' ? expected : got, expected)
    endfor
  endfor
endfunction

call s:CheckSample('sample.spec', 'vastor')
call s:CheckSample('sample.yt', 'perlan')
call s:CheckSample('long-header.spec', 'vastor')

" An RPM spec file stays one; a type specification is found by its content.
execute 'edit ' . fnameescape($SAMPLES . '/rpm.spec')
call s:Expect('rpm.spec filetype', &filetype, 'spec')
call writefile(['/* types */', 'Types', '  = { a < b }'], $SCRATCH . '/x.spec')
execute 'edit ' . fnameescape($SCRATCH . '/x.spec')
call s:Expect('x.spec filetype', &filetype, 'vastor')

" :make through the compiler files: the message names no file, the quickfix
" entry still lands on the file that was compiled, at the reported line.
function! s:Make(compiler, fixture, line) abort
  let file = $SCRATCH . '/broken ' . a:fixture
  call writefile(readfile($SAMPLES . '/' . a:fixture), file)
  execute 'edit ' . fnameescape(file)
  execute 'compiler ' . a:compiler
  silent make
  let errors = filter(getqflist(), 'v:val.valid')
  call s:Expect(a:compiler . ' errors', len(errors), 1)
  if !empty(errors)
    call s:Expect(a:compiler . ' file', fnamemodify(bufname(errors[0].bufnr), ':p'), file)
    call s:Expect(a:compiler . ' line', errors[0].lnum, a:line)
    call s:Expect(a:compiler . ' cursor', [expand('%:p'), line('.')], [file, a:line])
  endif
endfunction

call s:Make('vastor', 'broken.spec', 5)
call s:Make('perlan', 'broken.yt', 2)

" A build log (messages.txt) that echoes the command lines, as make does: each
" message belongs to the input of the last Vastor or Perlan command above it.
edit! $SAMPLES/sample.spec
compiler vastor
let &l:makeprg = 'cat ' . shellescape($SAMPLES . '/messages.txt')
execute 'cd ' . fnameescape($SCRATCH)
silent make
call s:Expect('build log', map(filter(getqflist(), 'v:val.valid'),
      \ '[fnamemodify(bufname(v:val.bufnr), ":p")[strlen($SCRATCH) + 1 :], v:val.lnum]'),
      \ [['types.spec', 1], ['types.spec', 3], ['grammar.yt', 9], ['grammar.yt', 4],
      \  ['other dir/t.spec', 7], ['other dir/t.spec', 2]])

" Build steps that name the file in their messages.
call setqflist([], ' ', {'efm': &l:errorformat, 'lines': [
      \ 'types.spec:7: error: Syntax error: Se esperaba el signo =',
      \ 'types.spec: warning: Definition of Foo.boolean equalsTo (Type)']})
call s:Expect('file:line form', map(getqflist(), '[fnamemodify(bufname(v:val.bufnr), ":t"), v:val.lnum, v:val.type]'),
      \ [['types.spec', 7, 'e'], ['types.spec', 0, 'w']])

call writefile(s:failures, $SCRATCH . '/vim.failures')
if empty(s:failures)
  qall!
endif
cquit!
