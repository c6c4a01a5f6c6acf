%%
a : A { x();  try {  check(x);  } catch (Exception e) { SemanticValue.addError (e); }  }
  | B {  try {  } catch (Exception e) { SemanticValue.addError (e); }  } | C {  try {  s = ">*/";  } catch (Exception e) { SemanticValue.addError (e); }  } ;
%%
