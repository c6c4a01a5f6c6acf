%{
int n;
%}
%%
expr : term { $$ = $1;  try {  check($1);  } catch (Exception e) { SemanticValue.addError (e); }  }
  ;
%%
class Trailer { }
