%%
a : A { x = 1;  try {  check(x);  } catch (Exception e) { SemanticValue.addError (e); }  }
  | B {  try {  } catch (Exception e) { SemanticValue.addError (e); }  }
  | C {  try {  s = ">*/"; t = '>'; u = '\'';  } catch (Exception e) { SemanticValue.addError (e); }  }
  | D {  try {  if (a > } catch (Exception e) { SemanticValue.addError (e); }  }
  | E {  try {  y = a >*x; z = b > c; w = a >* / 2;  } catch (Exception e) { SemanticValue.addError (e); }  }
  | F {  try { 
          multi(line);
          more();  } catch (Exception e) { SemanticValue.addError (e); }  done(); }
  | G {  try {  if (x) { y(); } // "quoted >*/" in text /* not a comment  } catch (Exception e) { SemanticValue.addError (e); }  }
  | H {  try {  brace } inside and { too  } catch (Exception e) { SemanticValue.addError (e); }  } ;
  | I { first();  try {  one();  } catch (Exception e) { SemanticValue.addError (e); }   try {  two();  } catch (Exception e) { SemanticValue.addError (e); }  { nested();  try {  three();  } catch (Exception e) { SemanticValue.addError (e); }  } }
  | J {  try { < less > } catch (Exception e) { SemanticValue.addError (e); }   try { > } catch (Exception e) { SemanticValue.addError (e); }  }
  ;
%%
