// a line comment before the preamble with %% and %{ and {
/* a block comment with %} and "quotes' and /*< */
%{
import java.util.*;   // %} inside a line comment
String s = "a %% b %} c \" d { e";
char c = '%'; char q = '\''; char b = '\\'; char d = '"';
/* multi
   line %% comment **/
String t = "line one\
line two %% '";
%}
%token <sval> ID "%%" '{' '}' '%}'
%left '+' /* %% */ '-' // %%
%%
list : list ',' item '{' '}' "}" "%%" '%}'  // { braces and markers in literals
     | item { $$ = "}"; /* } */ // }
              char c = '{'; String s = "{ \" }"; if (a) { b('%'); } }
     | '/' '*' { s = "/*< not a block >*/"; t = '\''; u = "\\"; }
     ;
item : ID %{ %} { /* nested { */ x = '\\'; { { } } }
     ;
%%
class X { void f() { "unclosed literal and /* comment and {
