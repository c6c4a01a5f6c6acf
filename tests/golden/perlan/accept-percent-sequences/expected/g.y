%token A
%left 100%x %
%%%
a : A %{ %} ;%%%%
