%%
a : A {  try {  x();  } catch (Exception e) { SemanticValue.addError (e); }  } ;
%%
