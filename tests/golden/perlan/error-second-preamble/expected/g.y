%{
%}
%token A
%{