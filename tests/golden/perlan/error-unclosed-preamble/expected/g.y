%token A
%{
import x;
