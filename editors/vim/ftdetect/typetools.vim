" File types of Vastor type specifications (by content, whatever the
" extension, so that x.spec is one while RPM spec files stay "spec"; and by
" the extension .vastor) and of Perlan grammars (*.yt).
" Installed by: typetools
autocmd BufNewFile,BufRead *.yt setfiletype perlan
autocmd BufNewFile,BufRead *.vastor setfiletype vastor
autocmd BufRead * if &filetype !=# 'vastor' && typetools#IsSpecification() | set filetype=vastor | endif
" A new file (vim new.spec) has no content to tell by yet: it is looked at
" again as it is written and edited, until it shows itself a specification.
autocmd BufNewFile * call typetools#WatchNewFile()
