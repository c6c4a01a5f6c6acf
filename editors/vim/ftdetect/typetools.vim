" File types of Vastor type specifications (by content, whatever the
" extension, so that x.spec is one while RPM spec files stay "spec") and of
" Perlan grammars (*.yt).
" Installed by: typetools
autocmd BufNewFile,BufRead *.yt setfiletype perlan
autocmd BufRead * if &filetype !=# 'vastor' && typetools#IsSpecification() | set filetype=vastor | endif
