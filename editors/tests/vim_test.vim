" Checks the installed Vim files headless:
"   vim -Es -N -u NONE -i NONE --cmd 'set rtp^=<vimfiles>' -S vim_test.vim
" with $SAMPLES (this folder), $SCRATCH (a writable folder) and Vastor and
" Perlan on $PATH. Failures are written to $SCRATCH/vim.failures; Vim exits
" non-zero when there is any.

filetype plugin indent on
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
      \ 'entity.name.function.nonterminal.perlan': 'perlanRuleName',
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
" A grammar that starts with its first %% (no declarations, no test header).
execute 'edit ' . fnameescape($SAMPLES . '/broken.yt')
call s:Expect('broken.yt:2:1', synIDattr(synID(2, 1, 1), 'name'), 'perlanRuleName')

" An RPM spec file stays one; a type specification is found by its content,
" in a new file as soon as it has some, and by the extension .vastor.
execute 'edit ' . fnameescape($SAMPLES . '/rpm.spec')
call s:Expect('rpm.spec filetype', &filetype, 'spec')
call writefile(['/* types */', 'Types', '  = { a < b }'], $SCRATCH . '/x.spec')
execute 'edit ' . fnameescape($SCRATCH . '/x.spec')
call s:Expect('x.spec filetype', &filetype, 'vastor')
execute 'edit ' . fnameescape($SCRATCH . '/new.spec')
call s:Expect('new.spec filetype', &filetype, 'spec')
call setline(1, ['Types = { a < b }'])
write
call s:Expect('new.spec filetype once written', &filetype, 'vastor')
execute 'edit ' . fnameescape($SCRATCH . '/new.vastor')
call s:Expect('new.vastor filetype', &filetype, 'vastor')

" The ftplugins: comments, :compiler, matchit, folding; all undone.
for [s:file, s:compiler] in [['indent.spec', 'vastor'], ['indent.yt', 'perlan']]
  execute 'edit ' . fnameescape($SAMPLES . '/' . s:file)
  call s:Expect(s:file . ' settings', [&l:commentstring, b:current_compiler, &l:foldmethod,
        \ &l:foldlevel, &l:tagfunc, !empty(b:match_words)],
        \ ['// %s', s:compiler, 'syntax', 99, 'typetools#TagFunc', 1])
  execute b:undo_ftplugin
  call s:Expect(s:file . ' undone', [&l:commentstring, exists('b:match_words'), &l:tagfunc],
        \ [&g:commentstring, 0, ''])
  edit!
endfor

" Indentation: the samples, flattened, come back as they were.
for s:file in ['indent.spec', 'indent.yt']
  let s:expected = readfile($SAMPLES . '/' . s:file)
  execute 'edit ' . fnameescape($SAMPLES . '/' . s:file)
  setlocal shiftwidth=4 expandtab
  call setline(1, map(copy(s:expected), 'substitute(v:val, "^\\s\\+", "", "")'))
  normal! gg=G
  for s:lnum in range(1, len(s:expected))
    call s:Expect(printf('%s:%d indentation', s:file, s:lnum), getline(s:lnum), s:expected[s:lnum - 1])
  endfor
  edit!
endfor

" Folding: the innermost fold at each line of folds.txt.
for s:row in filter(readfile($SAMPLES . '/folds.txt'), 'v:val !~# "^#"')
  let [s:file, s:lnum, s:first, s:last, s:kind] = split(s:row)
  execute 'edit ' . fnameescape($SAMPLES . '/' . s:file)
  setlocal foldlevel=99
  execute s:lnum
  normal! zc
  call s:Expect(printf('%s:%s fold', s:file, s:lnum), [foldclosed(s:lnum), foldclosedend(s:lnum)],
        \ [str2nr(s:first), str2nr(s:last)])
endfor

" The outline and the tags built from it.
let s:outline = []
for s:file in ['indent.spec', 'indent.yt']
  execute 'edit ' . fnameescape($SAMPLES . '/' . s:file)
  let s:outline += map(typetools#Outline(), 'join([s:file, v:val.kind, v:val.name, v:val.lnum])')
endfor
call s:Expect('outline', s:outline, filter(readfile($SAMPLES . '/outline.txt'), 'v:val !~# "^#"'))
execute 'edit ' . fnameescape($SAMPLES . '/indent.spec')
tag describe
call s:Expect('tag describe', line('.'), 40)

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

call s:Make('vastor', 'broken.spec', 6)
call s:Make('perlan', 'broken.yt', 2)

" A build log (messages.txt) that echoes the command lines, as make does: each
" message belongs to the input of the last Vastor or Perlan command above it.
edit! $SAMPLES/sample.spec
compiler vastor
let s:errorformat = &l:errorformat
let &l:makeprg = 'cat ' . shellescape($SAMPLES . '/messages.txt')
execute 'cd ' . fnameescape($SCRATCH)
silent make
call s:Expect('build log', map(filter(getqflist(), 'v:val.valid'),
      \ '[fnamemodify(bufname(v:val.bufnr), ":p")[strlen($SCRATCH) + 1 :], v:val.lnum]'),
      \ [['types.spec', 1], ['types.spec', 3], ['grammar.yt', 9], ['grammar.yt', 4],
      \  ['other dir/t.spec', 7], ['other dir/t.spec', 2], ['bad types.spec', 5]])

" Build steps that name the file in their messages.
call setqflist([], ' ', {'efm': s:errorformat, 'lines': [
      \ 'types.spec:7: error: Syntax error: Se esperaba el signo =',
      \ 'types.spec: warning: Definition of Foo.boolean equalsTo (Type)',
      \ '[ERROR] /p/src/main/vastor/types.spec:[37,8] error: cannot find symbol',
      \ '[ERROR] /p/src/main/perlan/lang.yt:34: error: unterminated action',
      \ '    [javac] /p/src/main/perlan/lang.yt:29: error: cannot find symbol']})
call s:Expect('file:line form', map(getqflist(), '[fnamemodify(bufname(v:val.bufnr), ":t"), v:val.lnum, v:val.type]'),
      \ [['types.spec', 7, 'e'], ['types.spec', 0, 'w'], ['types.spec', 37, 'e'], ['lang.yt', 34, 'e'],
      \  ['lang.yt', 29, 'e']])

call writefile(s:failures, $SCRATCH . '/vim.failures')
if empty(s:failures)
  qall!
endif
cquit!
