%{
import java.io.*;
%}
%token NUM
%left '+'
%%
expr : expr '+' expr { $$ = add($1, $3);  try {  check($1, $3);  } catch (Exception e) { SemanticValue.addError (e); }  }
     | NUM           { $$ = $1; /* a plain comment stays */ }
     ;
%%
/* The code of the parser class follows the second separator. */
