%{
// comentário í
%}
%%
expr : expr '+' term
  { $$ = "été";  try {  check($1,
     $3);  } catch (Exception e) { SemanticValue.addError (e); }  }
  | term {  try { 
 } catch (Exception e) { SemanticValue.addError (e); }  }
  ;
%%
ÿþ trailer  
