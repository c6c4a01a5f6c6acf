%token A
%}